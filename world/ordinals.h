#pragma once
// Corps and armies are numbered within their nation, brigades within their home
// state, and a new one always takes the lowest number not in use. Names show the
// number as an ordinal word: "1st ", "22nd ", "113th ".
#include <bitset>
#include <string>

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
