#pragma once

#include <filesystem>
#include <string_view>

// Writes `content` as the whole of `path` through a temporary file renamed
// over it, so a failed write leaves the old file whole and no temporary
// behind. False when the file could not be written.
bool ReplaceFile(const std::filesystem::path& path, std::string_view content);
