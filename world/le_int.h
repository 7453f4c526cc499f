#pragma once
// Multi-byte integers of the saved records: little-endian and byte-aligned, so a
// record can be read from a file as it stands and every field reached in place
// without a misaligned access.
#include <cstdint>
#include <type_traits>

template <typename T>
struct LeInt {
  static_assert(std::is_integral_v<T>);
  using Unsigned = std::make_unsigned_t<T>;

  std::uint8_t b[sizeof(T)];

  LeInt() = default;
  // Explicit, so that `condition ? field : 0` has one meaning: the number.
  constexpr explicit LeInt(T value) { Store(value); }

  constexpr operator T() const {
    Unsigned value = 0;
    for (unsigned i = 0; i < sizeof(T); ++i) value |= static_cast<Unsigned>(b[i]) << (8 * i);
    return static_cast<T>(value);
  }

  constexpr LeInt& operator=(T value) {
    Store(value);
    return *this;
  }
  // Arithmetic wraps at the field's width, as the stored field does; it is done
  // unsigned so that a signed field's wrap is defined.
  constexpr LeInt& operator+=(T value) { return Wrap(Bits(*this) + Bits(value)); }
  constexpr LeInt& operator-=(T value) { return Wrap(Bits(*this) - Bits(value)); }
  constexpr LeInt& operator++() { return *this += 1; }
  constexpr LeInt& operator--() { return *this -= 1; }
  constexpr T operator++(int) {
    T old = *this;
    ++*this;
    return old;
  }
  constexpr T operator--(int) {
    T old = *this;
    --*this;
    return old;
  }

 private:
  static constexpr Unsigned Bits(T value) { return static_cast<Unsigned>(value); }
  // Narrow types come back from the sum promoted to int; cut them to width.
  constexpr LeInt& Wrap(auto sum) {
    Store(static_cast<T>(static_cast<Unsigned>(sum)));
    return *this;
  }
  constexpr void Store(T value) {
    const auto bits = static_cast<Unsigned>(value);
    for (unsigned i = 0; i < sizeof(T); ++i) b[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
};

using U16 = LeInt<std::uint16_t>;
using I16 = LeInt<std::int16_t>;
using U32 = LeInt<std::uint32_t>;
using I32 = LeInt<std::int32_t>;

static_assert(sizeof(U16) == 2 && alignof(U16) == 1);
static_assert(sizeof(I32) == 4 && alignof(I32) == 1);
static_assert(std::is_trivially_copyable_v<U32> && std::is_standard_layout_v<U32>);
