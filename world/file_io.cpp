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

fs::path TemporaryName(const fs::path& file) {
  fs::path temporary = file;
  temporary += ".saving";
  return temporary;
}

std::string SystemError(const fs::path& file, const char* what) {
  return "cannot " + std::string(what) + " " + file.string() + ": " + std::strerror(errno);
}

// Writes the file's temporary and flushes it to the disk, so that the rename
// that follows never puts an empty or partial file in place of a good one.
std::string WriteTemporary(const FileToWrite& entry) {
  const fs::path temporary = TemporaryName(entry.file);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return SystemError(entry.file, "create");
  std::size_t written = 0;
  while (written < entry.bytes.size()) {
    const ssize_t n = ::write(fd, entry.bytes.data() + written, entry.bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  std::string error;
  if (written != entry.bytes.size() || ::fsync(fd) != 0) error = SystemError(entry.file, "write");
  if (::close(fd) != 0 && error.empty()) error = SystemError(entry.file, "write");
  if (!error.empty()) ::unlink(temporary.c_str());
  return error;
}

// Only the temporaries this save created: a name in the way is not ours to remove.
void RemoveTemporaries(std::span<const FileToWrite> files) {
  for (const FileToWrite& entry : files) {
    std::error_code ignored;
    fs::remove(TemporaryName(entry.file), ignored);
  }
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
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string error = WriteTemporary(files[i]);
    if (!error.empty()) {
      RemoveTemporaries(files.first(i));
      return error;
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code error;
    fs::rename(TemporaryName(files[i].file), files[i].file, error);
    if (error) {
      RemoveTemporaries(files.subspan(i));
      return "cannot replace " + files[i].file.string() + ": " + error.message();
    }
  }
  return {};
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

std::string WriteTextLines(const fs::path& file, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const FileToWrite entry{file, {bytes, text.size()}};
  return WriteFilesReplacing({&entry, 1});
}
