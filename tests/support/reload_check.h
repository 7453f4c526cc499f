#pragma once
// A saved game must load back to the game that was saved: the loader's
// corrections may change nothing of a game the rules left sound. The load
// rebuilds some figures (the weather among them, rolled afresh), so what it
// gives is set against the game in play with the same figures rebuilt (none
// for a mail turn in progress, which the load leaves as it was sent).
#include <string>
#include <vector>

// The whole of a file; empty when it cannot be read.
std::vector<char> FileBytes(const std::string& file);

// Loads the saved game `name` (without extension) and saves it again, and
// saves the game in play with its figures rebuilt, in a copy of this process
// so that the game in play is left as it is; the first byte that differs
// between the two, named by its record, or empty when they are the same.
std::string FindReloadDifference(const std::string& name);
