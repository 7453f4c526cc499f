#include "world/text_table.h"

#include "world/file_io.h"
#include "world/vardecl.h"

bool LoadTextTable(const std::filesystem::path& file) {
  const auto found = FindFileIgnoringCase(file);
  if (!found) return false;
  auto lines = ReadTextLines(*found);
  if (!lines) return false;
  TextTable = std::move(*lines);
  return true;
}

std::string TextLine(int n) {
  if (n < 0 || n >= static_cast<int>(TextTable.size())) return {};
  return TextTable[static_cast<std::size_t>(n)];
}
