#include "world/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return text;
}

fs::path WithSuffix(const fs::path& file, const std::string& suffix) {
  fs::path named = file;
  named += suffix;
  return named;
}

fs::path TemporaryName(const fs::path& file) {
  return WithSuffix(file, ".saving");
}

bool IsTaken(const fs::path& name) {
  std::error_code error;
  return fs::exists(fs::symlink_status(name, error));
}

// Where the file a save replaces waits until the whole new set stands: the
// first of NAME.kept, NAME.kept2, ... that nothing holds, so that an old file
// an earlier save could not put back, and the player was told of, stays.
fs::path FreeKeptAsideName(const fs::path& file) {
  fs::path kept = WithSuffix(file, ".kept");
  for (int n = 2; IsTaken(kept); ++n) kept = WithSuffix(file, ".kept" + std::to_string(n));
  return kept;
}

std::vector<int> file_steps_to_fail;
int file_steps_taken = 0;

// Counts a step of writing a set; false, with errno set as a full disk would
// set it, when a test has asked this step to fail.
bool StepAllowed() {
  ++file_steps_taken;
  if (std::find(file_steps_to_fail.begin(), file_steps_to_fail.end(), file_steps_taken) ==
      file_steps_to_fail.end()) {
    return true;
  }
  errno = ENOSPC;
  return false;
}

// Names the path the system refused, as the player will find it.
std::string SystemError(const std::string& what, const fs::path& path) {
  return "cannot " + what + " " + path.string() + ": " + std::strerror(errno);
}

bool Rename(const fs::path& from, const fs::path& to) {
  return StepAllowed() && ::rename(from.c_str(), to.c_str()) == 0;
}

// Every byte or a failure, as a full disk may take only some of them.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  if (!StepAllowed()) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the file's temporary and flushes it to the disk, so that the rename
// that follows never puts an empty or partial file in place of a good one.
std::string WriteTemporary(const FileToWrite& entry) {
  const fs::path temporary = TemporaryName(entry.file);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return SystemError("create", temporary);
  std::string error;
  if (!WriteAll(fd, entry.bytes) || ::fsync(fd) != 0) error = SystemError("write", temporary);
  if (::close(fd) != 0 && error.empty()) error = SystemError("write", temporary);
  if (!error.empty()) ::unlink(temporary.c_str());
  return error;
}

// Only the temporaries this save created: a name in the way is not ours to remove.
void RemoveTemporaries(std::span<const FileToWrite> files) {
  for (const FileToWrite& entry : files) ::unlink(TemporaryName(entry.file).c_str());
}

// What putting one file of the set in place has done so far.
struct Placement {
  fs::path kept;        // where the old file waits; empty when there was none
  bool placed = false;  // the new file stands under the name
};

// A folder in the way is left where it is: the rename onto it fails, and the
// save with it.
bool HasFileToKeep(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(file, error);
  return fs::exists(status) && !fs::is_directory(status);
}

std::string PutInPlace(const FileToWrite& entry, Placement& placement) {
  if (HasFileToKeep(entry.file)) {
    const fs::path kept = FreeKeptAsideName(entry.file);
    if (!Rename(entry.file, kept)) return SystemError("keep " + entry.file.string() + " aside as", kept);
    placement.kept = kept;
  }
  if (!Rename(TemporaryName(entry.file), entry.file)) return SystemError("replace", entry.file);
  placement.placed = true;
  return {};
}

// Puts the old file back under its name, or removes the new one that had no
// old file before it. Returns what could not be put back, for the player to
// find it.
std::string PutBack(const fs::path& file, const Placement& placement) {
  if (!placement.kept.empty()) {
    if (Rename(placement.kept, file)) return {};
    return "; the old " + file.string() + " is kept as " + placement.kept.string();
  }
  if (placement.placed) ::unlink(file.c_str());
  return {};
}

std::string PutSetInPlace(std::span<const FileToWrite> files) {
  std::vector<Placement> placements(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string error = PutInPlace(files[i], placements[i]);
    if (error.empty()) continue;
    for (std::size_t j = i + 1; j-- > 0;) error += PutBack(files[j].file, placements[j]);
    RemoveTemporaries(files);
    return error;
  }
  for (const Placement& placement : placements) {
    if (!placement.kept.empty()) ::unlink(placement.kept.c_str());
  }
  return {};
}

std::string WriteSet(std::span<const FileToWrite> files) {
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string error = WriteTemporary(files[i]);
    if (!error.empty()) {
      RemoveTemporaries(files.first(i));
      return error;
    }
  }
  return PutSetInPlace(files);
}

}  // namespace

std::optional<fs::path> FindFileIgnoringCase(const fs::path& file) {
  std::error_code error;
  if (fs::is_regular_file(file, error)) return file;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const std::string wanted = Lowercase(file.filename().string());
  std::vector<fs::path> matches;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (Lowercase(entry->path().filename().string()) == wanted &&
        fs::is_regular_file(entry->path(), error)) {
      matches.push_back(file.has_parent_path() ? entry->path() : entry->path().filename());
    }
  }
  if (matches.empty()) return std::nullopt;
  // Two spellings of one name in a folder: take the same one every time.
  return *std::min_element(matches.begin(), matches.end());
}

fs::path SpellingOnDisk(const fs::path& file) {
  return FindFileIgnoringCase(file).value_or(file);
}

bool SameFileNameIgnoringCase(const std::string& a, const std::string& b) {
  return Lowercase(a) == Lowercase(b);
}

FileImage ReadFileImage(const fs::path& file, std::size_t size) {
  FileImage image;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    image.error = "it cannot be opened";
    return image;
  }
  image.bytes.resize(size + 1);
  in.read(reinterpret_cast<char*>(image.bytes.data()), static_cast<std::streamsize>(size + 1));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.bad()) {
    image.error = "it cannot be read";
  } else if (got != size) {
    std::error_code unknown;
    const auto length = got < size ? got : static_cast<std::size_t>(fs::file_size(file, unknown));
    image.error = unknown ? "it is longer than " + std::to_string(size) + " bytes"
                          : "it is " + std::to_string(length) + " bytes long instead of " +
                                std::to_string(size);
  }
  image.bytes.resize(image.error.empty() ? size : 0);
  return image;
}

std::string WriteFilesReplacing(std::span<const FileToWrite> files) {
  std::string error = WriteSet(files);
  file_steps_to_fail.clear();
  file_steps_taken = 0;
  return error;
}

void FailFileStepsForTesting(std::vector<int> steps) {
  file_steps_to_fail = std::move(steps);
}

std::optional<std::vector<std::string>> ReadTextLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (in.bad()) return std::nullopt;
  return lines;
}

std::vector<std::uint8_t> TextOfLines(const std::vector<std::string>& lines) {
  std::vector<std::uint8_t> text;
  for (const std::string& line : lines) {
    text.insert(text.end(), line.begin(), line.end());
    text.push_back('\n');
  }
  return text;
}

std::string WriteTextLines(const fs::path& file, const std::vector<std::string>& lines) {
  const std::vector<std::uint8_t> text = TextOfLines(lines);
  const FileToWrite entry{file, text};
  return WriteFilesReplacing({&entry, 1});
}
