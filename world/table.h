#pragma once
// The 1-based tables of the game: element 1 is the first, index 0 means "none".
//
// A checked build (tests, sanitizer runs) throws on index 0 or past the end, so
// every rule that may meet "none" has to guard it on purpose. The release build
// hands out a freshly zeroed scratch element instead: a missed guard reads zeros
// and its write is dropped, and never reaches a neighbouring record.
#include <typeinfo>

[[noreturn]] void ThrowTableIndexError(const std::type_info& element, int index, int count);

template <typename T, int N>
struct Table {
  static constexpr int Count = N;

  T items[N];

  T& operator[](int i) {
    if (i < 1 || i > N) return OutOfRange(i);
    return items[i - 1];
  }
  const T& operator[](int i) const {
    if (i < 1 || i > N) return OutOfRange(i);
    return items[i - 1];
  }

 private:
  static T& OutOfRange([[maybe_unused]] int i) {
#ifdef GRAYMARCH_CHECKED
    ThrowTableIndexError(typeid(T), i, N);
#else
    static T scratch;
    scratch = T{};
    return scratch;
#endif
  }
};
