#pragma once
// The scenario sources are plain text tables: one row per line, cells split by
// '|', blank lines and lines starting with '#' skipped. Every value read from a
// row names its file and line when it is wrong, so a typo in a source points
// straight at itself.
#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SourceRow {
  std::string File;
  int Line = 0;
  std::vector<std::string> Cells;

  const std::string& Text(int column) const;
  int Int(int column) const;
  // "a/b/c" gives the value of the start point with index 0..2; a single value
  // holds for all three.
  int PerFile(int column, int file) const;
  // "a,b,c", or with another separator "a/b/c".
  std::vector<int> IntList(int column, char separator = ',') const;
  std::array<int, 2> Hex(int column) const;

  [[noreturn]] void Fail(const std::string& what) const;
};

struct SourceTable {
  std::string File;
  std::vector<SourceRow> Rows;
};

// The row whose first cell is `name`.
const SourceRow& RowNamed(const SourceTable& table, const std::string& name);

// Rows with fewer than `columns` cells are refused.
SourceTable ReadSourceTable(const std::filesystem::path& path, int columns);

int ParseInt(const std::string& text, const SourceRow& row);
