#include "tools/sprites/probe_colour.h"

// Bits 0..8 hold x, 9..17 y and 18..19 the sheet plus one; every sheet is
// smaller than 512 pixels each way.
namespace {

constexpr int kCoordinateBits = 9;
constexpr unsigned kCoordinateMask = (1u << kCoordinateBits) - 1;

}  // namespace

TColor ProbeColour(SpriteSheet sheet, TPoint corner) {
  const unsigned code = ((static_cast<unsigned>(sheet) + 1) << (2 * kCoordinateBits)) |
                        (static_cast<unsigned>(corner.Y) << kCoordinateBits) |
                        static_cast<unsigned>(corner.X);
  return RGB(code & 0xff, (code >> 8) & 0xff, (code >> 16) & 0xff);
}

std::optional<ProbeCell> DecodeProbe(TColor colour) {
  const unsigned code = static_cast<unsigned>(GetRValue(colour)) |
                        (static_cast<unsigned>(GetGValue(colour)) << 8) |
                        (static_cast<unsigned>(GetBValue(colour)) << 16);
  const unsigned sheet = code >> (2 * kCoordinateBits);
  if (sheet < 1 || sheet > 3) return std::nullopt;
  return ProbeCell{static_cast<SpriteSheet>(sheet - 1),
                   {static_cast<int>(code & kCoordinateMask),
                    static_cast<int>((code >> kCoordinateBits) & kCoordinateMask)}};
}
