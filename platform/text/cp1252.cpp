#include "platform/text/cp1252.h"

#include <array>

namespace {

// Bytes 0x80..0x9F: the printable characters Windows-1252 places where
// Latin-1 has control codes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::string Utf8OfCp1252(std::string_view text) {
  std::string utf8;
  for (const char c : text) {
    const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(c));
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

namespace {

// The code point starting at `at`, which moves past it; nothing for a byte
// that starts no well-formed sequence (an overlong form included).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead < 0xE0) {
    length = 1;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 2;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead < 0xF5) {
    length = 3;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < length; ++i, ++at) {
    if (at >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[at]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
  if (code < kShortest[length]) return std::nullopt;
  return code;
}

std::optional<char> Cp1252OfUnicode(char32_t code) {
  for (int byte = 1; byte < 256; ++byte) {
    if (Cp1252ToUnicode(static_cast<unsigned char>(byte)) == code) return static_cast<char>(byte);
  }
  return std::nullopt;
}

// The text converted; a character without a byte ends the conversion with
// nothing, unless it is to be left out.
std::optional<std::string> ConvertUtf8(std::string_view text, bool leaveOutMissing) {
  std::string cp1252;
  for (std::size_t at = 0; at < text.size();) {
    const auto code = NextCodePoint(text, at);
    const auto byte = code ? Cp1252OfUnicode(*code) : std::nullopt;
    if (byte) {
      cp1252 += *byte;
    } else if (!leaveOutMissing) {
      return std::nullopt;
    }
  }
  return cp1252;
}

}  // namespace

std::optional<std::string> Cp1252OfUtf8(std::string_view text) {
  return ConvertUtf8(text, false);
}

std::string Cp1252OfTyped(std::string_view text) {
  return ConvertUtf8(text, true).value_or(std::string());
}
