#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The file in `folder` whose name equals `name` apart from letter case (the
// game names its files in capitals; the files on disk may not be). An exact
// match wins over other spellings; none when no file matches.
std::optional<std::filesystem::path> ResolveFileName(const std::filesystem::path& folder,
                                                     const std::string& name);
