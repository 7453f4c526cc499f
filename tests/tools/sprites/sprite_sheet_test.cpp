#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tools/sprites/probe_colour.h"
#include "tools/sprites/sprite_sheets.h"

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

// In the probe sheets a cell that another cell overlapped would lose its colour.
TEST(ProbeSheet, EachCellIsOneColourNamingItAndNothingLiesOutside) {
  for (SpriteSheet sheet : kSheets) {
    const TBitmap bitmap = DrawSpriteSheet(sheet, SheetStyle::kProbe);
    const auto cells = SheetCells(sheet);
    for (const SpriteCell& cell : cells) {
      for (TColor pixel : CellPixels(bitmap, cell.rect)) {
        const auto probe = DecodeProbe(pixel);
        ASSERT_TRUE(probe.has_value());
        ASSERT_EQ(*probe, (ProbeCell{sheet, cell.rect.TopLeft()}));
      }
    }
    EXPECT_EQ(PixelsDrawnOutsideCells(bitmap, cells), 0);
  }
}

TEST(ArtworkSheet, EveryCellIsDrawnAndNothingSpillsOutside) {
  for (SpriteSheet sheet : kSheets) {
    const TBitmap bitmap = DrawSpriteSheet(sheet, SheetStyle::kArtwork);
    const auto cells = SheetCells(sheet);
    for (const SpriteCell& cell : cells) {
      const auto pixels = CellPixels(bitmap, cell.rect);
      const std::set<TColor> colours(pixels.begin(), pixels.end());
      EXPECT_GE(colours.size(), 2u) << "cell at " << cell.rect.Left << "," << cell.rect.Top;
      EXPECT_FALSE(colours.contains(clNone));
    }
    EXPECT_EQ(PixelsDrawnOutsideCells(bitmap, cells), 0);
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

// The bulk of an arrow is its head, so its weight lies toward the neighbour it
// points at: on the map a neighbouring column is 28 pixels across and 14 up or down.
TEST(ArtworkSheet, EachArrowPointsTowardItsNeighbour) {
  const TBitmap arrows = DrawSpriteSheet(SpriteSheet::kArrows, SheetStyle::kArtwork);
  const TPoint neighbour[] = {{0, -2}, {2, -1}, {2, 1}, {0, 2}, {-2, 1}, {-2, -1}};
  for (const SpriteCell& cell : SheetCells(SpriteSheet::kArrows)) {
    const TColor background = arrows.Pixel(cell.rect.Left, cell.rect.Top);
    double along = 0, across = 0;
    int count = 0;
    const TPoint step = neighbour[cell.value - 1];
    const double length = std::hypot(step.X, step.Y);
    for (int y = cell.rect.Top; y < cell.rect.Bottom; ++y) {
      for (int x = cell.rect.Left; x < cell.rect.Right; ++x) {
        if (arrows.Pixel(x, y) == background) continue;
        const double dx = x + 0.5 - (cell.rect.Left + cell.rect.Right) / 2.0;
        const double dy = y + 0.5 - (cell.rect.Top + cell.rect.Bottom) / 2.0;
        along += (dx * step.X + dy * step.Y) / length;
        across += (dy * step.X - dx * step.Y) / length;
        ++count;
      }
    }
    ASSERT_GT(count, 10);
    EXPECT_GT(along / count, 0.5) << "direction " << cell.value;
    EXPECT_LT(std::abs(across / count), 0.5) << "direction " << cell.value;
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
