#pragma once
// Corps and armies are numbered within their nation, brigades within their home
// state, and a new one always takes a free slot and the lowest number not in use. Names show the
// number as an ordinal word: "1st ", "22nd ", "113th ".
#include <bitset>
#include <string>

#include "world/table.h"

// The first slot of a force table that no one holds; 0 when the table is full.
template <typename T, int N>
int FirstFreeSlot(const Table<T, N>& table) {
  for (int i = 1; i <= N; ++i)
    if (table[i].IsFree()) return i;
  return 0;
}

// The word carries the blank that separates it from the rest of the name.
std::string OrdinalWord(int number);

// The numbers a set of corps, armies or brigades holds (1..255, as stored).
class OrdinalsInUse {
 public:
  void Mark(int number) {
    if (number >= 1 && number <= kMost) used_.set(number);
  }
  // The lowest number no one holds; 0 when every stored number is taken.
  int LowestFree() const {
    for (int number = 1; number <= kMost; ++number)
      if (!used_.test(number)) return number;
    return 0;
  }

 private:
  static constexpr int kMost = 255;
  std::bitset<kMost + 1> used_;
};
