#pragma once
// A name field of the saved records: a length byte and room for N characters.
// Bytes past the length are whatever the file held and are saved unchanged.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <int N>
struct Str {
  static_assert(N > 0 && N < 256);
  static constexpr int Capacity = N;

  std::uint8_t Length;
  char Chars[N];

  // A length byte above N comes only from a damaged file; reading stops at the
  // field's end instead of running into the next field.
  std::string str() const { return std::string(Chars, std::min<int>(Length, N)); }

  // A longer text is cut to N characters.
  Str& operator=(std::string_view text) {
    const std::size_t kept = std::min<std::size_t>(text.size(), N);
    std::memcpy(Chars, text.data(), kept);
    Length = static_cast<std::uint8_t>(kept);
    return *this;
  }
};
