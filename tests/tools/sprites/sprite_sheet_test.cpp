#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "tools/sprites/pixel_font.h"
#include "tools/sprites/probe_colour.h"
#include "tools/sprites/sprite_sheets.h"
#include "world/hex_grid.h"

namespace {

constexpr SpriteSheet kSheets[] = {SpriteSheet::kCounters, SpriteSheet::kNumbers,
                                   SpriteSheet::kArrows};

bool InsideSomeCell(const std::vector<SpriteCell>& cells, TPoint p) {
  for (const SpriteCell& cell : cells) {
    if (cell.rect.Contains(p)) return true;
  }
  return false;
}

int PixelsDrawnOutsideCells(const TBitmap& sheet, const std::vector<SpriteCell>& cells) {
  int drawn = 0;
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      drawn += !InsideSomeCell(cells, {x, y}) && sheet.Pixel(x, y) != clBlack;
    }
  }
  return drawn;
}

std::vector<TColor> CellPixels(const TBitmap& sheet, const TRect& rect) {
  std::vector<TColor> pixels;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) pixels.push_back(sheet.Pixel(x, y));
  }
  return pixels;
}

int DifferingPixels(const TBitmap& sheet, const TRect& a, const TRect& b) {
  const auto first = CellPixels(sheet, a);
  const auto second = CellPixels(sheet, b);
  int differing = 0;
  for (std::size_t i = 0; i < first.size() && i < second.size(); ++i) {
    differing += first[i] != second[i];
  }
  return differing;
}

std::vector<SpriteCell> CellsOf(SpriteSheet sheet, CellArt art, int nation) {
  std::vector<SpriteCell> found;
  for (const SpriteCell& cell : SheetCells(sheet)) {
    if (cell.art == art && cell.nation == nation) found.push_back(cell);
  }
  return found;
}

// Nothing is drawn outside the cells. In the probe sheets a cell that another overlapped would
// lose the one colour naming it; in the artwork every cell is drawn.
TEST(SpriteSheets, EachCellIsDrawnWithinItselfAndNothingLiesOutside) {
  for (SpriteSheet sheet : kSheets) {
    const TBitmap probe = DrawSpriteSheet(sheet, SheetStyle::kProbe);
    const TBitmap artwork = DrawSpriteSheet(sheet, SheetStyle::kArtwork);
    const auto cells = SheetCells(sheet);
    for (const SpriteCell& cell : cells) {
      for (TColor pixel : CellPixels(probe, cell.rect)) {
        ASSERT_EQ(DecodeProbe(pixel), (ProbeCell{sheet, cell.rect.TopLeft()}));
      }
      const auto pixels = CellPixels(artwork, cell.rect);
      const std::set<TColor> colours(pixels.begin(), pixels.end());
      EXPECT_GE(colours.size(), 2u) << "cell at " << cell.rect.Left << "," << cell.rect.Top;
      EXPECT_FALSE(colours.contains(clNone));
    }
    EXPECT_EQ(PixelsDrawnOutsideCells(probe, cells), 0);
    EXPECT_EQ(PixelsDrawnOutsideCells(artwork, cells), 0);
  }
}

// Armies whose strength bars share a colour must still be told apart by their counters.
TEST(ArtworkSheet, ArmyColoursStayApartOnMarkersAndCounters) {
  const TBitmap counters = DrawSpriteSheet(SpriteSheet::kCounters, SheetStyle::kArtwork);
  for (int nation : {1, 2}) {
    const auto markers = CellsOf(SpriteSheet::kCounters, CellArt::kArmyMarker, nation);
    ASSERT_EQ(markers.size(), 9u);
    for (std::size_t a = 0; a < markers.size(); ++a) {
      for (std::size_t b = a + 1; b < markers.size(); ++b) {
        EXPECT_GT(DifferingPixels(counters, markers[a].rect, markers[b].rect), 40)
            << "army colours " << markers[a].value << " and " << markers[b].value;
      }
    }
  }
  for (int nation = 1; nation <= 4; ++nation) {
    const auto corps = CellsOf(SpriteSheet::kCounters, CellArt::kCorps, nation);
    ASSERT_EQ(corps.size(), 9u);
    EXPECT_GT(DifferingPixels(counters, corps[1].rect, corps[5].rect), 10);
    EXPECT_GT(DifferingPixels(counters, corps[2].rect, corps[8].rect), 10);
  }
}

TEST(ArtworkSheet, EveryCorpsOrdinalAndFleetNumberReadsDifferently) {
  const TBitmap numbers = DrawSpriteSheet(SpriteSheet::kNumbers, SheetStyle::kArtwork);
  for (CellArt art : {CellArt::kCorpsOrdinal, CellArt::kFleetNumber}) {
    for (int nation : {1, 2}) {
      std::set<std::vector<TColor>> seen;
      for (const SpriteCell& cell : CellsOf(SpriteSheet::kNumbers, art, nation)) {
        EXPECT_TRUE(seen.insert(CellPixels(numbers, cell.rect)).second)
            << "number " << cell.value << " of nation " << nation;
      }
    }
  }
}

// Reads a Union corps ordinal back from its cell as a player would: each run
// of inked columns is one letter, a single column an I, a letter whose foot
// reaches both its edges an X, one that narrows to its foot a V.
std::string ReadNumeral(const TBitmap& sheet, const TRect& cell, int& tallest) {
  std::string numeral;
  const auto inked = [&](int x, int y) { return sheet.Pixel(x, y) == clWhite; };
  const auto column_inked = [&](int x) {
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      if (inked(x, y)) return true;
    }
    return false;
  };
  tallest = 0;
  for (int x = cell.Left; x < cell.Right;) {
    if (!column_inked(x)) {
      ++x;
      continue;
    }
    const int left = x;
    while (x < cell.Right && column_inked(x)) ++x;
    int top = cell.Bottom, foot = cell.Top;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      for (int column = left; column < x; ++column) {
        if (inked(column, y)) top = std::min(top, y), foot = std::max(foot, y);
      }
    }
    tallest = std::max(tallest, foot - top + 1);
    numeral += x - left == 1 ? 'I' : inked(left, foot) && inked(x - 1, foot) ? 'X' : 'V';
  }
  return numeral;
}

// A numeral in five rows of pixels packs each X into three columns, and a
// run of them reads as a lattice; every ordinal must read letter by letter,
// its letters at least six pixels tall.
TEST(ArtworkSheet, UnionCorpsOrdinalsReadLetterByLetter) {
  const TBitmap numbers = DrawSpriteSheet(SpriteSheet::kNumbers, SheetStyle::kArtwork);
  const auto ordinals = CellsOf(SpriteSheet::kNumbers, CellArt::kCorpsOrdinal, 1);
  ASSERT_EQ(ordinals.size(), 33u);
  for (const SpriteCell& cell : ordinals) {
    int tallest = 0;
    EXPECT_EQ(ReadNumeral(numbers, cell.rect, tallest), RomanNumeral(cell.value));
    EXPECT_GE(tallest, 6) << RomanNumeral(cell.value);
  }
}

// Where the map draws a hex's centre: columns 28 pixels apart, even columns
// half a hex lower.
std::array<double, 2> HexCentre(THexPos hex) {
  return {28.0 * hex.X, 28.0 * hex.Y + (hex.X % 2 == 0 ? 14 : 0)};
}

// The bearing in degrees, clockwise from north, of the neighbour in a direction.
double NeighbourBearing(int direction) {
  const auto from = HexCentre({11, 20});
  const auto to = HexCentre(NeighbourHex(11, 20, direction));
  return std::atan2(to[0] - from[0], from[1] - to[1]) * 180 / std::numbers::pi;
}

// How far one bearing lies from another, ignoring which way a line runs.
double AxisGap(double a, double b) {
  const double gap = std::fmod(std::abs(a - b), 180.0);
  return std::min(gap, 180 - gap);
}

struct Ink {
  std::vector<TPoint> pixels;
  std::vector<double> weights;  // how far each pixel lies from the background toward the arrow
};

Ink InkOf(const TBitmap& sheet, const TRect& rect) {
  const TColor background = sheet.Pixel(rect.Left, rect.Top);
  Ink ink;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      const TColor pixel = sheet.Pixel(x, y);
      if (pixel == background) continue;
      ink.pixels.push_back({x, y});
      ink.weights.push_back(std::abs(GetGValue(background) - GetGValue(pixel)) / 255.0);
    }
  }
  return ink;
}

// Pixels reached from the first one through neighbours that share an edge.
std::size_t ConnectedToFirst(const std::vector<TPoint>& pixels) {
  std::set<std::pair<int, int>> left;
  for (TPoint p : pixels) left.insert({p.X, p.Y});
  std::vector<std::pair<int, int>> frontier{*left.begin()};
  left.erase(left.begin());
  std::size_t reached = 1;
  while (!frontier.empty()) {
    const auto [x, y] = frontier.back();
    frontier.pop_back();
    for (auto next :
         {std::pair{x + 1, y}, std::pair{x - 1, y}, std::pair{x, y + 1}, std::pair{x, y - 1}}) {
      if (left.erase(next) != 0) {
        frontier.push_back(next);
        ++reached;
      }
    }
  }
  return reached;
}

// The ink of an arrow weighed as a solid: its mass, the middle of its mass
// from the cell's middle, the spreads along its long and short axes, and the
// bearing of the long axis, clockwise from north.
struct Moments {
  double mass, mx, my, along, across, axis;
};

Moments MomentsOf(const Ink& ink, const TRect& rect) {
  const double cx = (rect.Left + rect.Right) / 2.0;
  const double cy = (rect.Top + rect.Bottom) / 2.0;
  double mass = 0, mx = 0, my = 0;
  for (std::size_t i = 0; i < ink.pixels.size(); ++i) {
    mass += ink.weights[i];
    mx += ink.weights[i] * (ink.pixels[i].X + 0.5 - cx);
    my += ink.weights[i] * (ink.pixels[i].Y + 0.5 - cy);
  }
  mx /= mass;
  my /= mass;
  double xx = 0, yy = 0, xy = 0;
  for (std::size_t i = 0; i < ink.pixels.size(); ++i) {
    const double dx = ink.pixels[i].X + 0.5 - cx - mx;
    const double dy = ink.pixels[i].Y + 0.5 - cy - my;
    xx += ink.weights[i] * dx * dx / mass;
    yy += ink.weights[i] * dy * dy / mass;
    xy += ink.weights[i] * dx * dy / mass;
  }
  const double mean = (xx + yy) / 2;
  const double spread = std::sqrt((xx - yy) * (xx - yy) / 4 + xy * xy);
  return {mass,
          mx,
          my,
          std::sqrt(mean + spread),
          std::sqrt(mean - spread),
          0.5 * std::atan2(2 * xy, xx - yy) * 180 / std::numbers::pi + 90};
}

// An arrow is one shape whose long axis runs toward the neighbouring hex, and whose head, the
// bulk of it, lies on that side of the cell's middle. A slanting arrow is the upright one
// turned: the same weight of ink, spread as far along and across it. Sampling a smooth outline
// costs a percent or two; the ragged staircases of an arrow cut at pixel centres cost about
// eight.
TEST(ArtworkSheet, EachArrowIsTheUprightOneTurnedToItsNeighbour) {
  const TBitmap arrows = DrawSpriteSheet(SpriteSheet::kArrows, SheetStyle::kArtwork);
  const auto cells = SheetCells(SpriteSheet::kArrows);
  const Moments upright = MomentsOf(InkOf(arrows, cells[0].rect), cells[0].rect);
  for (const SpriteCell& cell : cells) {
    SCOPED_TRACE("direction " + std::to_string(cell.value));
    const Ink ink = InkOf(arrows, cell.rect);
    ASSERT_GT(ink.pixels.size(), 20u);
    EXPECT_EQ(ConnectedToFirst(ink.pixels), ink.pixels.size());
    const Moments moments = MomentsOf(ink, cell.rect);
    const double bearing = NeighbourBearing(cell.value);
    EXPECT_LT(AxisGap(moments.axis, bearing), 10.0)
        << "axis " << moments.axis << " against " << bearing;
    const double toward = moments.mx * std::sin(bearing * std::numbers::pi / 180) -
                          moments.my * std::cos(bearing * std::numbers::pi / 180);
    EXPECT_GT(toward, 0.5);
    EXPECT_NEAR(moments.mass / upright.mass, 1, 0.03);
    EXPECT_NEAR(moments.along / upright.along, 1, 0.03);
    EXPECT_NEAR(moments.across / upright.across, 1, 0.03);
  }
}

TEST(SheetsBesideTheGame, AreTheArtworkAtTheSizesTheMapCopiesFrom) {
  for (SpriteSheet sheet : kSheets) {
    TBitmap file;
    file.LoadFromFile(std::string(GRAYMARCH_GAME_DIR) + "/" + SheetFileName(sheet));
    const TBitmap drawn = DrawSpriteSheet(sheet, SheetStyle::kArtwork);
    ASSERT_EQ(file.Width(), SheetSize(sheet).cx);
    ASSERT_EQ(file.Height(), SheetSize(sheet).cy);
    EXPECT_EQ(DifferingPixels(file, {0, 0, file.Width(), file.Height()},
                              {0, 0, drawn.Width(), drawn.Height()}),
              0);
  }
}

}  // namespace
