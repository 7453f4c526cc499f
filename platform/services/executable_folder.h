#pragma once

#include <filesystem>

// The folder that holds the running program, where the files that ship
// beside it (texts, bitmaps, start files, sounds) are found. Falls back to
// the working directory when the system does not say.
std::filesystem::path ExecutableFolder();
