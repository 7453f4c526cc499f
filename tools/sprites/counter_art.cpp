#include "tools/sprites/counter_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/sprites/palette.h"
#include "tools/sprites/pixel_font.h"

namespace {

constexpr TColor kSky = RGB(206, 222, 238);
constexpr TColor kIron = RGB(88, 92, 100);
constexpr TColor kFlame = RGB(255, 140, 0);
constexpr TColor kBlaze = RGB(255, 226, 64);
constexpr TColor kArrowRed = RGB(168, 16, 16);
constexpr TColor kEnsignRed = RGB(200, 16, 46);

void Fill(TCanvas& canvas, const TRect& rect, TColor colour) {
  canvas.Brush.Color = colour;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(rect);
}

void Frame(TCanvas& canvas, const TRect& rect, TColor colour) {
  canvas.Brush.Color = colour;
  canvas.FrameRect(rect);
}

void Line(TCanvas& canvas, TPoint from, TPoint to, TColor colour, int width = 1) {
  canvas.Pen.Color = colour;
  canvas.Pen.Width = width;
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
  canvas.Pen.Width = 1;
}

void Shape(TCanvas& canvas, const std::vector<TPoint>& points, TColor fill, TColor outline) {
  canvas.Brush.Color = fill;
  canvas.Brush.Style = bsSolid;
  canvas.Pen.Color = outline;
  canvas.Polygon(points);
}

// The army's colour, with white stripes for the two codes that share a bar colour.
void ArmyField(TCanvas& canvas, const TRect& rect, int code) {
  const ArmyColour army = ArmyColourOf(code);
  Fill(canvas, rect, army.colour);
  if (!army.striped) return;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      if ((x + y) % 3 == 0) canvas.SetPixel(x, y, clWhite);
    }
  }
}

void StarsAndStripes(TCanvas& canvas, const TRect& rect) {
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    Fill(canvas, {rect.Left, y, rect.Right, y + 1}, (y - rect.Top) % 2 == 0 ? clRed : clWhite);
  }
  const TRect canton{rect.Left, rect.Top, rect.Left + rect.Width() * 9 / 20,
                     rect.Top + rect.Height() * 3 / 5};
  Fill(canvas, canton, kUnionBlue);
  for (int y = canton.Top + 1; y < canton.Bottom; y += 2) {
    for (int x = canton.Left + 1; x < canton.Right; x += 2) canvas.SetPixel(x, y, clWhite);
  }
}

void SouthernCross(TCanvas& canvas, const TRect& rect) {
  Fill(canvas, rect, RGB(200, 24, 32));
  const TPoint top_left = rect.TopLeft();
  const TPoint bottom_right{rect.Right - 1, rect.Bottom - 1};
  const TPoint top_right{rect.Right - 1, rect.Top};
  const TPoint bottom_left{rect.Left, rect.Bottom - 1};
  Line(canvas, top_left, bottom_right, kUnionBlue, 2);
  Line(canvas, top_right, bottom_left, kUnionBlue, 2);
  Line(canvas, top_left, bottom_right, clWhite);
  Line(canvas, top_right, bottom_left, clWhite);
}

void Tricolour(TCanvas& canvas, const TRect& rect) {
  const int third = rect.Width() / 3;
  Fill(canvas, {rect.Left, rect.Top, rect.Left + third, rect.Bottom}, RGB(0, 56, 168));
  Fill(canvas, {rect.Left + third, rect.Top, rect.Right - third, rect.Bottom}, clWhite);
  Fill(canvas, {rect.Right - third, rect.Top, rect.Right, rect.Bottom}, RGB(206, 17, 38));
}

// The crosses of the Union flag reduced to single pixels: a red cross through
// the middle, white beside its upright, and a white saltire from the corners
// on a blue field. The canton has an odd size each way, so the cross has a
// middle row and column to sit on.
void UnionJack(TCanvas& canvas, const TRect& canton) {
  Fill(canvas, canton, RGB(1, 33, 105));
  const int half_width = canton.Width() / 2;
  const int half_height = canton.Height() / 2;
  for (int y = canton.Top; y < canton.Bottom; ++y) {
    for (int x = canton.Left; x < canton.Right; ++x) {
      const int dx = std::abs(x - canton.Left - half_width);
      const int dy = std::abs(y - canton.Top - half_height);
      // How far the pixel lies off the diagonal, in units of the longer half.
      const int off_diagonal = 2 * std::abs(dx * half_height - dy * half_width);
      if (dx == 0 || dy == 0) {
        canvas.SetPixel(x, y, kEnsignRed);
      } else if (dx == 1 || off_diagonal < std::max(half_width, half_height)) {
        canvas.SetPixel(x, y, clWhite);
      }
    }
  }
}

// The canton fills the upper half inside the flag's frame, as long again as
// it is high like the Union flag itself.
void RedEnsign(TCanvas& canvas, const TRect& rect) {
  Fill(canvas, rect, kEnsignRed);
  const int height = ((rect.Height() - 2) / 2) | 1;
  UnionJack(canvas, TRect::Bounds(rect.Left + 1, rect.Top + 1, 2 * height - 1, height));
}

void Flag(TCanvas& canvas, const TRect& rect, int nation) {
  switch (nation) {
    case 1:
      StarsAndStripes(canvas, rect);
      break;
    case 2:
      SouthernCross(canvas, rect);
      break;
    case 3:
      Tricolour(canvas, rect);
      break;
    default:
      RedEnsign(canvas, rect);
      break;
  }
  Frame(canvas, rect, kInk);
}

// Corps and divisions: the nation's field, the army's band on top with the
// formation's size marks, a middle for the number or the arm symbol, and a
// light track at the foot where the map draws the strength bar.
void FormationBase(TCanvas& canvas, const SpriteCell& cell, const char* size_marks) {
  const TRect whole{0, 0, cell.rect.Width(), cell.rect.Height()};
  Fill(canvas, whole, NationColour(cell.nation));
  const TRect band{1, 1, whole.Right - 1, 6};
  ArmyField(canvas, band, cell.value);
  DrawPixelTextCentred(canvas, band, size_marks, clWhite);
  Fill(canvas, {1, 19, whole.Right - 1, whole.Bottom - 1}, kParchment);
  Frame(canvas, whole, kInk);
}

void Corps(TCanvas& canvas, const SpriteCell& cell) {
  FormationBase(canvas, cell, "XXX");
  // American corps carry their number here; the European ones show their colours.
  Flag(canvas, {3, 7, 20, 18}, cell.nation);
}

void Division(TCanvas& canvas, const SpriteCell& cell) {
  FormationBase(canvas, cell, "XX");
  const TRect symbol{4, 8, 19, 17};
  Fill(canvas, symbol, kParchment);
  Frame(canvas, symbol, kInk);
  const TPoint bottom_left{symbol.Left, symbol.Bottom - 1};
  const TPoint top_right{symbol.Right - 1, symbol.Top};
  Line(canvas, bottom_left, top_right, kInk);
  if (cell.art == CellArt::kInfantryDivision) {
    Line(canvas, symbol.TopLeft(), {symbol.Right - 1, symbol.Bottom - 1}, kInk);
  }
  canvas.SetPixel(top_right.X, top_right.Y, kInk);
}

void ArmyMarker(TCanvas& canvas, const SpriteCell& cell) {
  const TRect whole{0, 0, cell.rect.Width(), cell.rect.Height()};
  ArmyField(canvas, whole, cell.value);
  Fill(canvas, {1, 1, whole.Right - 1, 4}, NationColour(cell.nation));
  // A white star on the headquarters' pennant.
  for (TPoint p : {TPoint{11, 1}, TPoint{10, 2}, TPoint{11, 2}, TPoint{12, 2}}) {
    canvas.SetPixel(p.X, p.Y, clWhite);
  }
  Flag(canvas, {2, 9, 21, 19}, cell.nation);
  Frame(canvas, whole, kInk);
}

void Fleet(TCanvas& canvas, const SpriteCell& cell) {
  const int width = cell.rect.Width();
  Fill(canvas, {0, 0, width, 11}, NationColour(cell.nation));
  Fill(canvas, {0, 11, width, 17}, kSky);
  Fill(canvas, {0, 17, width, cell.rect.Height()}, kSeaBlue);
  if (cell.value == 2) {
    // A river ironclad: a sloping casemate and a tall stack on a low hull.
    Shape(canvas, {{2, 16}, {20, 16}, {18, 19}, {4, 19}}, kInk, kInk);
    Shape(canvas, {{5, 16}, {8, 12}, {15, 12}, {18, 16}}, kIron, kInk);
    Fill(canvas, {11, 8, 13, 12}, kInk);
  } else {
    // An ocean-going steamer under sail.
    Shape(canvas, {{2, 15}, {21, 15}, {18, 19}, {5, 19}}, kInk, kInk);
    Line(canvas, {8, 5}, {8, 15}, kInk);
    Line(canvas, {15, 5}, {15, 15}, kInk);
    Fill(canvas, {5, 11, 8, 14}, clWhite);
    Fill(canvas, {12, 11, 15, 14}, clWhite);
    Fill(canvas, {10, 12, 12, 15}, kIron);
  }
  // The European fleets fly their ensign large above the ship.
  if (cell.nation > 2) Flag(canvas, {1, 0, 16, 11}, cell.nation);
}

void CorpsOrdinal(TCanvas& canvas, const SpriteCell& cell) {
  const TRect whole{0, 0, cell.rect.Width(), cell.rect.Height()};
  if (cell.nation == 1) {
    Fill(canvas, whole, kUnionBlue);
    DrawPixelTextCentred(canvas, whole, RomanNumeral(cell.value), clWhite, PixelFace::kRoman);
  } else {
    Fill(canvas, whole, RGB(206, 200, 186));
    Frame(canvas, whole, RGB(180, 24, 32));
    DrawPixelTextCentred(canvas, whole, std::to_string(cell.value), kInk);
  }
}

void FleetNumber(TCanvas& canvas, const SpriteCell& cell) {
  const TRect whole{0, 0, cell.rect.Width(), cell.rect.Height()};
  Fill(canvas, whole, NationColour(cell.nation));
  const TColor ink = cell.nation == 1 ? clWhite : kInk;
  Shape(canvas, {{1, 2}, {6, 5}, {1, 8}}, ink, ink);
  DrawPixelTextCentred(canvas, {7, 0, whole.Right, whole.Bottom}, std::to_string(cell.value), ink);
}

std::vector<TPoint> Burst(double centre, double outer, double inner, int rays) {
  std::vector<TPoint> points;
  for (int i = 0; i < 2 * rays; ++i) {
    const double angle = std::numbers::pi * i / rays;
    const double radius = i % 2 == 0 ? outer : inner;
    points.push_back({static_cast<int>(std::lround(centre + radius * std::sin(angle))),
                      static_cast<int>(std::lround(centre - radius * std::cos(angle)))});
  }
  return points;
}

// Crossed sabres over a shell burst.
void BattleMarker(TCanvas& canvas, const SpriteCell& cell) {
  Fill(canvas, {0, 0, cell.rect.Width(), cell.rect.Height()}, kParchment);
  Shape(canvas, Burst(11, 11, 5, 8), kFlame, RGB(160, 40, 0));
  Shape(canvas, Burst(11, 6, 3, 8), kBlaze, kBlaze);
  Line(canvas, {4, 18}, {18, 4}, kInk, 2);
  Line(canvas, {4, 4}, {18, 18}, kInk, 2);
  Line(canvas, {3, 15}, {7, 19}, kInk);
  Line(canvas, {15, 19}, {19, 15}, kInk);
}

// The direction from a hex to its neighbour on the map, where a column is 28
// pixels wide and the next column sits half a hex (14 pixels) up or down.
TPoint NeighbourStep(int direction) {
  constexpr TPoint kSteps[] = {{0, -2}, {2, -1}, {2, 1}, {0, 2}, {-2, 1}, {-2, -1}};
  return kSteps[direction - 1];
}

// Whether a point, measured along and across the arrow's heading from the
// cell's centre, lies on the shaft or the head.
bool OnArrow(double forward, double across) {
  constexpr double kTail = -5.0, kNeck = 0.5, kTip = 5.5, kShaft = 1.0, kBarb = 4.5;
  across = std::abs(across);
  if (forward >= kTail && forward < kNeck) return across <= kShaft;
  return forward >= kNeck && forward <= kTip && across <= kBarb * (kTip - forward) / (kTip - kNeck);
}

// Each pixel takes the share of it the arrow covers, so the slanting arrows,
// whose edges cross pixels at every angle, stay as smooth as the upright ones.
void Arrow(TCanvas& canvas, const SpriteCell& cell) {
  constexpr int kSamples = 8;
  const int width = cell.rect.Width();
  const int height = cell.rect.Height();
  Fill(canvas, {0, 0, width, height}, kParchment);
  const TPoint step = NeighbourStep(cell.value);
  const double length = std::hypot(step.X, step.Y);
  const double ux = step.X / length;
  const double uy = step.Y / length;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int covered = 0;
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          const double dx = x + (i + 0.5) / kSamples - width / 2.0;
          const double dy = y + (j + 0.5) / kSamples - height / 2.0;
          covered += OnArrow(dx * ux + dy * uy, dy * ux - dx * uy);
        }
      }
      if (covered > 0) {
        canvas.SetPixel(x, y, Blend(kParchment, kArrowRed, covered / double(kSamples * kSamples)));
      }
    }
  }
}

}  // namespace

void DrawCellArt(TCanvas& canvas, const SpriteCell& cell) {
  switch (cell.art) {
    case CellArt::kArmyMarker:
      ArmyMarker(canvas, cell);
      break;
    case CellArt::kArmyInsignia:
      Flag(canvas, {0, 0, cell.rect.Width(), cell.rect.Height()}, cell.nation);
      break;
    case CellArt::kFleet:
      Fleet(canvas, cell);
      break;
    case CellArt::kCorps:
      Corps(canvas, cell);
      break;
    case CellArt::kInfantryDivision:
    case CellArt::kCavalryDivision:
      Division(canvas, cell);
      break;
    case CellArt::kCorpsOrdinal:
      CorpsOrdinal(canvas, cell);
      break;
    case CellArt::kFleetNumber:
      FleetNumber(canvas, cell);
      break;
    case CellArt::kBattleMarker:
      BattleMarker(canvas, cell);
      break;
    case CellArt::kArrow:
      Arrow(canvas, cell);
      break;
  }
}
