#include "tools/map/map_ornaments.h"

#include <cmath>

#include "tools/map/map_palette.h"

namespace {

constexpr float kPi = 3.14159265f;

PointF Polar(PointF centre, float radius, float angle) {
  return {centre.X + radius * std::sin(angle), centre.Y - radius * std::cos(angle)};
}

void FillPolygon(Picture& picture, const Polyline& ring, Rgb colour, float opacity) {
  Coverage mask(picture.Width(), picture.Height());
  FillRings(mask, {ring});
  picture.BlendMask(mask, colour, opacity);
}

// Eight points, each split into a light and a dark half as engravers shaded them.
void CompassRose(Picture& picture, Coverage& scratch) {
  const PointF c = kCompassCentre;
  for (int ring : {52, 46}) {
    Polyline circle;
    for (int i = 0; i <= 72; ++i) circle.push_back(Polar(c, ring, i * 2 * kPi / 72));
    StrokeLine(scratch, circle, 1.0f);
  }
  picture.BlendStroke(scratch, palette::kCoast, 0.8f);
  for (int point = 0; point < 8; ++point) {
    const float angle = point * kPi / 4;
    const float length = point % 2 == 0 ? 70 : 40;
    const float half = point % 2 == 0 ? 9 : 6;
    const PointF tip = Polar(c, length, angle);
    const PointF left = Polar(c, half, angle - kPi / 4);
    const PointF right = Polar(c, half, angle + kPi / 4);
    FillPolygon(picture, {c, tip, left}, palette::kPaper, 0.9f);
    FillPolygon(picture, {c, tip, right}, palette::kCoast, 0.85f);
    StrokeLine(scratch, {left, tip, right}, 0.8f);
    picture.BlendStroke(scratch, palette::kCoast, 0.9f);
  }
}

// Four alternating bars of 25 miles.
void ScaleOfMiles(Picture& picture, Coverage& scratch) {
  constexpr float kHeight = 5;
  const float bar = kPixelsPer100Miles / 4;
  for (int i = 0; i < 4; ++i) {
    const float x = kScaleOrigin.X + i * bar;
    const Polyline box{{x, kScaleOrigin.Y},
                       {x + bar, kScaleOrigin.Y},
                       {x + bar, kScaleOrigin.Y + kHeight},
                       {x, kScaleOrigin.Y + kHeight}};
    FillPolygon(picture, box, i % 2 == 0 ? palette::kCoast : palette::kPaper, 0.9f);
    Polyline outline = box;
    outline.push_back(box.front());
    StrokeLine(scratch, outline, 0.8f);
  }
  picture.BlendStroke(scratch, palette::kCoast, 0.9f);
}

}  // namespace

void DrawOrnaments(Picture& picture, Coverage& scratch) {
  CompassRose(picture, scratch);
  ScaleOfMiles(picture, scratch);
}
