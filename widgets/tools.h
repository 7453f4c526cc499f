#pragma once
// General routines of the control set: the operating-system flags, integer
// and rectangle helpers, sound, temporary file names, stream routines and the
// message pump.
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/components/shift_state.h"
#include "platform/graphics/types.h"

// The version the system reports: platform 1 is the 95 family, 2 the NT one.
struct TKxVersionInfo {
  int PlatformId = 0;
  int Major = 0;
  int Minor = 0;
  int Build = 0;
};

// The program always presents itself as NT 5.1: the classic desktop whose
// look every control reproduces.
constexpr TKxVersionInfo kKxVersionProfile{2, 5, 1, 2600};

extern bool IsWin95;
extern bool IsWin95OSR2;
extern bool IsWinNT;
extern bool IsWin2000;
extern bool IsWin2000Up;
extern bool IsWinNTUp;
extern bool IsWin98;
extern bool IsWin98Up;
extern bool IsWinME;
extern bool IsWinXP;
extern bool IsWinXPUp;

// Sets the flags above from a version; done once at start-up from
// kKxVersionProfile, and by tests that look at another system.
void SetOSFlags(const TKxVersionInfo& version);

// a * b / c with a 64-bit product, rounded to nearest, halves away from
// zero. A zero divisor, or a result outside 32 bits, gives -1.
int MulDiv(int a, int b, int c);

// Plays a WAV file without waiting for it.
void PlaySoundFile(const std::string& name);

std::int32_t SwapInt32(std::int32_t value);
inline int Min(int a, int b) {
  return a < b ? a : b;
}
inline int Max(int a, int b) {
  return a > b ? a : b;
}
inline bool InRange(int min, int max, int value) {
  return min <= value && value <= max;
}
// True when neither Shift, Ctrl nor Alt is held: a bare key press.
inline bool NoShiftKeys(TShiftState shift) {
  return (shift & (ssShift | ssCtrl | ssAlt)) == 0;
}

// A box of Width x Height centred in an area of AreaWidth x AreaHeight,
// never left of or above the area. Right and Bottom are the last pixel
// inside the box, one less than a usual rectangle's edge.
TRect CenterRect(int width, int area_width, int height, int area_height);

std::string IncludeTrailingBackslash(const std::string& s);
// A file name in the temporary folder that no other file has: a new random
// identifier in lower-case hexadecimal.
std::string GetUniqueTempFileName();

// A 32-bit little-endian integer: every count and number in the control
// set's binary files. Reading is false when the stream runs out.
void WriteInt32ToStream(std::ostream& stream, std::int32_t value);
bool ReadInt32FromStream(std::istream& stream, std::int32_t& value);

// Writes `s` and a CR LF line end, unless `s` already ends in one.
void WriteTextLn(std::ostream& stream, std::string_view s);
// A 32-bit little-endian length, then the characters. False when the
// stream fails.
bool WriteStringToStream(std::ostream& stream, std::string_view s);
// What a stream still holds after its read position; -1 when unknown.
std::streamoff BytesLeft(std::istream& stream);
// Reads what WriteStringToStream wrote. False when the stream fails, or the
// length is negative or longer than what the stream still holds; a damaged
// file thus never makes it allocate more than the file's size.
bool ReadStringFromStream(std::istream& stream, std::string& s);

// Two decimal integers joined by "." ("3.12"). Returns 0 when both read;
// otherwise the 1-based position of the first character that spoils the
// text, or -1 when the text has no "." at all.
int StrToIntPair(std::string_view s, int& a, int& b);
std::string IntPairToStr(int a, int b);

// Handles what is waiting in the message queue; false when nothing was.
// A request to quit made while it runs is dropped, so pumping from inside a
// long operation never ends the program behind the operation's back.
bool ProcessMessage();
void ProcessMessages();
