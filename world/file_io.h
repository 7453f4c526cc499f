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

// Writes the files as one set. Each is written whole under a temporary name
// first; only then is each put in place, the file it replaces kept aside
// (as NAME.kept, or NAME.kept2 and on when that is taken) until the whole set
// stands. A failure at any step puts back every file already replaced, so a
// failed save leaves the old set as it was and nothing else it made. Returns
// why it failed, naming the path refused and where any old file that could
// not be put back is kept, or an empty text.
std::string WriteFilesReplacing(std::span<const FileToWrite> files);

// For tests of what a failure leaves: these steps of the next set of files
// written (counted from 1: each temporary written, then each old file kept
// aside and each new one put in place, in order, then after a failure each old
// file put back) fail as a full disk or a refused rename would. Steps the set
// does not take fail none; the next set written clears them either way.
void FailFileStepsForTesting(std::vector<int> steps);

// The bytes of the lines as a text file holds them, each ended by a line break.
std::vector<std::uint8_t> TextOfLines(const std::vector<std::string>& lines);

// The lines of a text file (a final line break ends no further line; carriage
// returns before line breaks are dropped); nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// Writes the lines, each ended by a line break, replacing the file as above.
std::string WriteTextLines(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);
