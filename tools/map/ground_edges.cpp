#include "tools/map/ground_edges.h"

#include <cmath>

#include "world/map_record.h"

namespace {

// A broad swing of about two hexes and a finer ripple on top of it; the two amplitudes sum
// to kMaxGroundShift.
constexpr float kBroadWave = 64;
constexpr float kBroadShift = 10;
constexpr float kFineWave = 18;
constexpr float kFineShift = kMaxGroundShift - kBroadShift;

float Smoothstep(float t) {
  return t * t * (3 - 2 * t);
}

float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}

float Shift(PointF p, std::uint32_t seed) {
  return kBroadShift * SmoothNoise(p.X / kBroadWave, p.Y / kBroadWave, seed) +
         kFineShift * SmoothNoise(p.X / kFineWave, p.Y / kFineWave, seed + 1);
}

}  // namespace

std::optional<THexPos> HexUnderPixel(PointF p) {
  const int x = static_cast<int>(std::floor(p.X / kHexBoxPixels)) + 1;
  const float lower = x % 2 == 0 ? kHexBoxPixels / 2 : 0;
  const int y = static_cast<int>(std::floor((p.Y - lower) / kHexBoxPixels)) + 1;
  if (!TMapRecord::OnMap(x, y)) return std::nullopt;
  return THexPos{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
}

PointF GroundShift(PointF p) {
  return {Shift(p, 11), Shift(p, 23)};
}

std::optional<THexPos> GroundHexAt(PointF p) {
  const PointF shift = GroundShift(p);
  return HexUnderPixel({p.X + shift.X, p.Y + shift.Y});
}

float HashUnit(int i, int j, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(i) * 0x8da6b343u ^
                    static_cast<std::uint32_t>(j) * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

float SmoothNoise(float x, float y, std::uint32_t seed) {
  const int i = static_cast<int>(std::floor(x));
  const int j = static_cast<int>(std::floor(y));
  const float tx = Smoothstep(x - i);
  const float ty = Smoothstep(y - j);
  auto corner = [&](int di, int dj) { return HashUnit(i + di, j + dj, seed) * 2 - 1; };
  return Lerp(Lerp(corner(0, 0), corner(1, 0), tx), Lerp(corner(0, 1), corner(1, 1), tx), ty);
}
