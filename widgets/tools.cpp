#include "widgets/tools.h"

#include <charconv>
#include <filesystem>
#include <limits>
#include <random>

#include "platform/components/posted_messages.h"
#include "platform/forms/application.h"
#include "platform/services/sound_player.h"

bool IsWin95 = false;
bool IsWin95OSR2 = false;
bool IsWinNT = false;
bool IsWin2000 = false;
bool IsWin2000Up = false;
bool IsWinNTUp = false;
bool IsWin98 = false;
bool IsWin98Up = false;
bool IsWinME = false;
bool IsWinXP = false;
bool IsWinXPUp = false;

void SetOSFlags(const TKxVersionInfo& version) {
  const bool family95 = version.PlatformId == 1;
  const bool nt = version.PlatformId == 2;
  IsWin95 = family95;
  IsWin95OSR2 = family95 && (version.Build & 0xFFFF) >= 1000;
  IsWinNT = nt;
  IsWin2000 = nt && version.Major >= 5;
  IsWin2000Up = IsWin2000;
  IsWinNTUp = IsWinNT || IsWin2000Up;
  IsWin98 = family95 && version.Minor > 0;
  IsWin98Up = IsWin98;
  IsWinME = family95 && version.Minor >= 90;
  IsWinXP = nt && version.Major == 5 && version.Minor == 1;
  // 5.1 and every later version, 6.0 included.
  IsWinXPUp = nt && (version.Major > 5 || (version.Major == 5 && version.Minor >= 1));
}

namespace {
[[maybe_unused]] const bool flags_set = (SetOSFlags(kKxVersionProfile), true);
}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t quotient = product / c;
  const std::int64_t remainder = product % c;
  // Round half away from zero: compare twice the remainder with the divisor.
  if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -std::int64_t{c} : c)) {
    quotient += ((product < 0) != (c < 0)) ? -1 : 1;
  }
  if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
    return -1;
  }
  return static_cast<int>(quotient);
}

void PlaySoundFile(const std::string& name) {
  SoundPlayer().Play(name);
}

std::int32_t SwapInt32(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>((v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) |
                                   (v << 24));
}

TRect CenterRect(int width, int area_width, int height, int area_height) {
  TRect rect;
  rect.Left = Max(area_width / 2 - width / 2, 0);
  rect.Right = Min(rect.Left + width - 1, rect.Left + area_width - 1);
  rect.Top = Max(area_height / 2 - height / 2, 0);
  rect.Bottom = Min(rect.Top + height - 1, rect.Top + area_height - 1);
  return rect;
}

std::string IncludeTrailingBackslash(const std::string& s) {
  if (s.empty() || s.back() == '/' || s.back() == '\\') return s;
  return s + '\\';
}

std::string GetUniqueTempFileName() {
  static std::mt19937_64 generator{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string id;
  for (int i = 0; i < 32; ++i) {
    if (i == 8 || i == 12 || i == 16 || i == 20) id += '-';
    int digit = static_cast<int>(generator() & 15);
    if (i == 12) digit = 4;                // version 4: random
    if (i == 16) digit = 8 | (digit & 3);  // the standard variant
    id += kDigits[digit];
  }
  return (std::filesystem::temp_directory_path() / id).string();
}

void WriteTextLn(std::ostream& stream, std::string_view s) {
  stream << s;
  if (!s.ends_with("\r\n")) stream << "\r\n";
}

void WriteInt32ToStream(std::ostream& stream, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                         static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  stream.write(bytes, 4);
}

bool ReadInt32FromStream(std::istream& stream, std::int32_t& value) {
  unsigned char b[4];
  if (!stream.read(reinterpret_cast<char*>(b), 4)) return false;
  value = static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                    (static_cast<std::uint32_t>(b[3]) << 24));
  return true;
}

bool WriteStringToStream(std::ostream& stream, std::string_view s) {
  WriteInt32ToStream(stream, static_cast<std::int32_t>(static_cast<std::uint32_t>(s.size())));
  stream.write(s.data(), static_cast<std::streamsize>(s.size()));
  return static_cast<bool>(stream);
}

std::streamoff BytesLeft(std::istream& stream) {
  const std::streampos here = stream.tellg();
  if (here < 0) return -1;
  stream.seekg(0, std::ios::end);
  const std::streampos end = stream.tellg();
  stream.seekg(here);
  return end < 0 ? -1 : static_cast<std::streamoff>(end - here);
}

bool ReadStringFromStream(std::istream& stream, std::string& s) {
  std::int32_t length = 0;
  if (!ReadInt32FromStream(stream, length)) return false;
  if (length < 0 || length > BytesLeft(stream)) return false;
  std::string text(static_cast<size_t>(length), '\0');
  if (!stream.read(text.data(), length)) return false;
  s = std::move(text);
  return true;
}

namespace {

// Reads a decimal integer filling all of `s`; 0 when it does, otherwise the
// 1-based position of the first character that does not belong.
int ReadDecimal(std::string_view s, int& value) {
  const char* first = s.data();
  const char* last = s.data() + s.size();
  const char* digits = (first != last && (*first == '+' || *first == '-')) ? first + 1 : first;
  if (digits == last) return static_cast<int>(s.size()) + 1;
  if (*first == '+') first = digits;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) return static_cast<int>(s.size());
  if (error != std::errc() || end != last) {
    return static_cast<int>((error != std::errc() ? digits : end) - s.data()) + 1;
  }
  return 0;
}

}  // namespace

int StrToIntPair(std::string_view s, int& a, int& b) {
  const auto dot = s.find('.');
  if (dot == std::string_view::npos) return -1;
  const int p = static_cast<int>(dot) + 1;
  if (p <= 1 || p >= static_cast<int>(s.size())) return p;
  int first = 0;
  int second = 0;
  if (const int error = ReadDecimal(s.substr(0, dot), first); error != 0) return error;
  if (const int error = ReadDecimal(s.substr(dot + 1), second); error != 0) return error + p;
  a = first;
  b = second;
  return 0;
}

std::string IntPairToStr(int a, int b) {
  return std::to_string(a) + '.' + std::to_string(b);
}

bool ProcessMessage() {
  const bool quitting = Application.Terminated();
  const bool waiting = HasPostedMessages();
  Application.ProcessMessages();
  if (!quitting) Application.ResetTerminated();
  return waiting;
}

void ProcessMessages() {
  while (ProcessMessage()) {
  }
}
