#pragma once
// The game's text lines: every caption and message that is not fixed in the
// program comes from TextTable by its line number, counted from 0.
#include <filesystem>
#include <string>

// Loads TextTable from the game's text file (found whatever the case of its
// name); false, with the table left as it was, when the file cannot be read.
bool LoadTextTable(const std::filesystem::path& file);

// Text n; empty for a number the file does not reach.
std::string TextLine(int n);
