#pragma once
// Small text routines of the control set, and the text form in which the
// settings store keeps binary values: "4B58", a blank, the byte count in
// upper-case hexadecimal, a blank, then each byte as two hexadecimal digits
// followed by a blank ("4B58 3 41 42 43 ").
//
// Strings are 8-bit Windows-1252 text; positions are 1-based, as the callers
// count them.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A text that does not hold the number it should.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `s` without the blanks and control characters at either end.
std::string_view Trim(std::string_view s);

// Replaces the first occurrence of `old_text` in `s`; false when there is none.
bool ReplaceFirst(std::string& s, std::string_view old_text, std::string_view new_text);

// The position of the last occurrence of `sub` in `s`, or 0.
int LastPos(std::string_view sub, std::string_view s);

// Hexadecimal text ("$ff", "-1A", "+0") to an integer; wraps on overflow.
// Throws EConvertError for text that is not a hexadecimal number.
std::int32_t HexStrToInt(std::string_view s);
std::int32_t HexStrToIntDef(std::string_view s, std::int32_t fallback);

std::string BinaryToHexStr(std::span<const std::uint8_t> bytes);
// Reads the binary-as-text form back. False, with `bytes` empty, when the
// text is not in that form, when a byte is not hexadecimal, or when the text
// holds fewer bytes than its count says. A count the text could never hold
// is refused before anything is allocated, so a damaged file cannot ask for
// gigabytes.
bool HexStrToBinary(std::string_view s, std::vector<std::uint8_t>& bytes);

// Cuts `count` characters from `index` out of `s` and returns them.
std::string ExtractStr(std::string& s, int index, int count);
std::u32string ExtractWideStr(std::string& s, int index, int count);

// True when `p` begins with `prefix`; a null prefix is found in anything, a
// null text holds nothing.
bool StartsWithPChar(const char* p, const char* prefix);
// True when `sub` stands in `s` at `index`.
bool ContainsAt(std::string_view s, int index, const char* sub);
