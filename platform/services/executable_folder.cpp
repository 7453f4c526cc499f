#include "platform/services/executable_folder.h"

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) return std::filesystem::current_path();
  return program.parent_path();
}
