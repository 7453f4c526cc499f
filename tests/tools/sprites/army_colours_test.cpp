#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tools/map/map_palette.h"
#include "tools/sprites/palette.h"

namespace {

using Lab = std::array<double, 3>;

// CIE L*a*b* of an sRGB colour under daylight (D65).
Lab ToLab(int r, int g, int b) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const double lr = linear(r), lg = linear(g), lb = linear(b);
  const double x = (0.4124 * lr + 0.3576 * lg + 0.1805 * lb) / 0.95047;
  const double y = 0.2126 * lr + 0.7152 * lg + 0.0722 * lb;
  const double z = (0.0193 * lr + 0.1192 * lg + 0.9505 * lb) / 1.08883;
  const auto f = [](double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

Lab ToLab(TColor colour) {
  return ToLab(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

Lab ToLab(const Rgb& colour) {
  return ToLab(static_cast<int>(colour.R), static_cast<int>(colour.G), static_cast<int>(colour.B));
}

// How strongly coloured, as against grey, at the same lightness.
double Chroma(const Lab& colour) {
  return std::hypot(colour[1], colour[2]);
}

// CIE76: the straight distance in L*a*b*, where about 2.3 is the least
// difference an eye notices between two large patches side by side.
double DeltaE(const Lab& a, const Lab& b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// The colours armies are told apart by; codes 5 and 8 share the colours of 1
// and 2 by design, striped on the counters.
std::vector<int> PlainArmyCodes() {
  std::vector<int> codes;
  for (int code = 0; code <= 9; ++code) {
    if (!ArmyColourOf(code).striped) codes.push_back(code);
  }
  return codes;
}

// A strength bar is three pixels high and an army's band five, far smaller
// than the patches a just-noticeable difference is measured on: two armies
// must differ as much as two named colours (at least 25), and an army's colour
// must stand off every land wash of the map as ink stands off paper (at least
// 40), and be dark enough (L* at most 55) for the white marks on its band. Like
// the map's inks they are the muted dyes of the period, none more strongly
// coloured than the red of the map's city marks.
TEST(ArmyColours, StayApartFromEachOtherAndFromTheMapsLand) {
  const auto codes = PlainArmyCodes();
  ASSERT_EQ(codes.size(), 8u);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const Lab colour = ToLab(ArmyColourOf(codes[i]).colour);
    SCOPED_TRACE("army colour code " + std::to_string(codes[i]));
    EXPECT_LE(colour[0], 55);
    for (std::size_t j = i + 1; j < codes.size(); ++j) {
      EXPECT_GE(DeltaE(colour, ToLab(ArmyColourOf(codes[j]).colour)), 25)
          << "against code " << codes[j];
    }
    EXPECT_LE(Chroma(colour), Chroma(ToLab(palette::kCityFill)));
    std::vector<Rgb> land{palette::kPaper, palette::kOutOfPlay};
    for (int state = 0; state <= 37; ++state) land.push_back(palette::StateWash(state));
    for (const Rgb& tint : land) {
      const Lab wash = ToLab(tint);
      EXPECT_GE(DeltaE(colour, wash), 40)
          << "against land " << tint.R << "," << tint.G << "," << tint.B;
    }
  }
}

}  // namespace
