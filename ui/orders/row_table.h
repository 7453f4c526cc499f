#pragma once
// Every list of a dialog is backed by a table from its rows (counted from 0) to
// the records shown in them; handlers and write-backs go through it, never
// through a row's text. A table holds as many rows as the game table it lists
// has entries, so no record is ever left out; a row that does not exist, -1
// when no row is selected included, is record 0: nothing.
#include <array>
#include <cstdint>

template <int N>
class RowTable {
 public:
  void Clear() { count_ = 0; }
  void Add(int record) {
    if (count_ < N) rows_[count_++] = static_cast<std::uint16_t>(record);
  }
  int Count() const { return count_; }
  int At(int row) const { return row >= 0 && row < count_ ? rows_[row] : 0; }
  // The first row showing the record; -1, no row, when none does.
  int RowOf(int record) const {
    for (int row = 0; row < count_; ++row)
      if (rows_[row] == record) return row;
    return -1;
  }

 private:
  std::array<std::uint16_t, N> rows_{};
  int count_ = 0;
};
