#include "platform/services/replace_file.h"

#include <fstream>
#include <system_error>

bool ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file || !file.write(content.data(), static_cast<std::streamsize>(content.size())) ||
        !file.flush()) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (!error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}
