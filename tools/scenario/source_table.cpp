#include "tools/scenario/source_table.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) parts.push_back(Trim(part));
  return parts;
}

}  // namespace

int ParseInt(const std::string& text, const SourceRow& row) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) row.Fail("not a number: '" + text + "'");
  return value;
}

void SourceRow::Fail(const std::string& what) const {
  throw ScenarioError(File + ":" + std::to_string(Line) + ": " + what);
}

const std::string& SourceRow::Text(int column) const {
  if (column >= static_cast<int>(Cells.size())) Fail("missing column " + std::to_string(column));
  return Cells[column];
}

int SourceRow::Int(int column) const {
  return ParseInt(Text(column), *this);
}

int SourceRow::PerFile(int column, int file) const {
  const auto values = IntList(column, '/');
  if (values.size() == 1) return values[0];
  if (values.size() != 3) Fail("expected one value or three as a/b/c: '" + Text(column) + "'");
  return values[file];
}

std::vector<int> SourceRow::IntList(int column, char separator) const {
  std::vector<int> values;
  for (const auto& part : Split(Text(column), separator)) values.push_back(ParseInt(part, *this));
  return values;
}

std::array<int, 2> SourceRow::Hex(int column) const {
  const auto values = IntList(column);
  if (values.size() != 2) Fail("expected a hex as column,row: '" + Text(column) + "'");
  return {values[0], values[1]};
}

SourceTable ReadSourceTable(const std::filesystem::path& path, int columns) {
  std::ifstream input(path);
  if (!input) throw ScenarioError("cannot read " + path.string());
  SourceTable table{path.filename().string(), {}};
  std::string line;
  for (int number = 1; std::getline(input, line); ++number) {
    const std::string text = Trim(line);
    if (text.empty() || text[0] == '#') continue;
    SourceRow row{path.parent_path().filename().string() + "/" + table.File, number,
                  Split(text, '|')};
    if (static_cast<int>(row.Cells.size()) < columns) {
      row.Fail("expected " + std::to_string(columns) + " columns");
    }
    table.Rows.push_back(std::move(row));
  }
  return table;
}

const SourceRow& RowNamed(const SourceTable& table, const std::string& name) {
  for (const auto& row : table.Rows) {
    if (row.Text(0) == name) return row;
  }
  throw ScenarioError(table.File + ": no row '" + name + "'");
}
