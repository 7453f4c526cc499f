#pragma once
// The few file operations the game needs, made safe for a player's files: the
// game and its companions are found whatever the case of their names, a file
// is read only when it has the size expected of it, and a file is replaced
// only once its new contents are completely on disk.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The existing file of this name, or else the one file in the same folder
// whose name differs only in the case of its letters; nothing when neither exists.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& file);

// The name under which to replace the file: the existing file's own spelling,
// so that no second spelling is left beside it for a load to take instead, or
// the name as given when there is no such file.
std::filesystem::path SpellingOnDisk(const std::filesystem::path& file);

// Whether two file names differ only in the case of their letters, if at all.
bool SameFileNameIgnoringCase(const std::string& a, const std::string& b);

struct FileImage {
  std::vector<std::uint8_t> bytes;
  std::string error;  // why the image could not be read; empty when it was
};

// Reads the file whole when it holds exactly `size` bytes.
FileImage ReadFileImage(const std::filesystem::path& file, std::size_t size);

struct FileToWrite {
  std::filesystem::path file;
  std::span<const std::uint8_t> bytes;
};

// Writes every file under a temporary name first and renames them into place
// only when all are written, so a failure leaves the old files whole. Returns
// why it failed, or an empty text.
std::string WriteFilesReplacing(std::span<const FileToWrite> files);

// The lines of a text file (a final line break ends no further line; carriage
// returns before line breaks are dropped); nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// Writes the lines, each ended by a line break, replacing the file as above.
std::string WriteTextLines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);
