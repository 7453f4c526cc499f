#include "widgets/string_utils.h"

#include <algorithm>

#include "platform/text/cp1252.h"

namespace {

constexpr std::string_view kBinaryTag = "4B58";

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

[[noreturn]] void NotAnInteger(std::string_view s) {
  throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

// Takes the text up to the next blank (or all of it) off the front of `s`.
std::string_view TakeWord(std::string_view& s) {
  const auto blank = s.find(' ');
  const std::string_view word = s.substr(0, blank);
  s.remove_prefix(blank == std::string_view::npos ? s.size() : blank + 1);
  return word;
}

// The part of `s` that Copy(S, Index, Count) takes, as a position and length.
std::pair<size_t, size_t> CopyRange(const std::string& s, int index, int count) {
  const int start = std::max(index, 1) - 1;
  if (start >= static_cast<int>(s.size()) || count <= 0) return {0, 0};
  return {static_cast<size_t>(start), std::min(static_cast<size_t>(count), s.size() - start)};
}

}  // namespace

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool ReplaceFirst(std::string& s, std::string_view old_text, std::string_view new_text) {
  const auto at = s.find(old_text);
  if (at == std::string::npos) return false;
  s.replace(at, old_text.size(), new_text);
  return true;
}

int LastPos(std::string_view sub, std::string_view s) {
  if (sub.empty() || s.empty() || sub.size() > s.size()) return 0;
  const auto at = s.rfind(sub);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::int32_t HexStrToInt(std::string_view s) {
  const std::string_view original = s;
  if (!s.empty() && s.front() == '$') s.remove_prefix(1);
  s = Trim(s);
  if (s.empty()) NotAnInteger(original);
  const bool negative = s.front() == '-';
  if (s.front() == '-' || s.front() == '+') s.remove_prefix(1);
  if (s.empty()) NotAnInteger(original);
  std::uint32_t value = 0;
  for (const char c : s) {
    const int digit = HexDigitValue(c);
    if (digit < 0) NotAnInteger(original);
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::int32_t HexStrToIntDef(std::string_view s, std::int32_t fallback) {
  try {
    return HexStrToInt(s);
  } catch (const EConvertError&) {
    return fallback;
  }
}

std::string BinaryToHexStr(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string count;
  for (size_t n = bytes.size(); n > 0; n /= 16) count.insert(count.begin(), kDigits[n % 16]);
  if (count.empty()) count = "0";
  std::string text = std::string(kBinaryTag) + ' ' + count + ' ';
  text.reserve(text.size() + bytes.size() * 3);
  for (const std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
    text += ' ';
  }
  return text;
}

bool HexStrToBinary(std::string_view s, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  if (!s.starts_with(kBinaryTag)) return false;
  s.remove_prefix(std::min<size_t>(5, s.size()));
  try {
    const std::string_view count_text = TakeWord(s);
    if (count_text.empty()) return false;
    const std::int32_t count = HexStrToInt(count_text);
    // Each byte needs at least one digit and a blank before the next.
    if (count < 0 || static_cast<size_t>(count) > (s.size() + 1) / 2) return false;
    bytes.reserve(static_cast<size_t>(count));
    while (static_cast<std::int32_t>(bytes.size()) < count && !s.empty()) {
      bytes.push_back(static_cast<std::uint8_t>(HexStrToInt(TakeWord(s)) & 0xFF));
    }
    if (static_cast<std::int32_t>(bytes.size()) == count) return true;
  } catch (const EConvertError&) {
  }
  bytes.clear();
  return false;
}

std::string ExtractStr(std::string& s, int index, int count) {
  const auto [start, length] = CopyRange(s, index, count);
  std::string part = s.substr(start, length);
  s.erase(start, length);
  return part;
}

std::u32string ExtractWideStr(std::string& s, int index, int count) {
  std::u32string wide;
  for (const char c : ExtractStr(s, index, count)) {
    wide += Cp1252ToUnicode(static_cast<unsigned char>(c));
  }
  return wide;
}

bool StartsWithPChar(const char* p, const char* prefix) {
  if (prefix == nullptr) return true;
  if (p == nullptr) return false;
  for (; *prefix != '\0'; ++p, ++prefix) {
    if (*p != *prefix) return false;
  }
  return true;
}

bool ContainsAt(std::string_view s, int index, const char* sub) {
  if (index < 1 || static_cast<int>(s.size()) < index) return false;
  const std::string rest(s.substr(static_cast<size_t>(index) - 1));
  return StartsWithPChar(rest.c_str(), sub);
}
