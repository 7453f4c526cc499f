#include "ui/main/map_view.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/world_fixture.h"
#include "tools/sprites/probe_colour.h"
#include "tools/sprites/sprite_sheets.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/vardecl.h"

namespace {

// The map view drawn from the probe sheets over a plain white map, so every
// pixel of a counter names the sheet cell it came from.
class MapViewTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    ViewLeft = ViewTop = 1;
    HexGridVisible = false;
    GameState.MessageView = 3;
    if (pictures.Map.Width() != 0) return;  // the sheets are drawn once
    pictures.Map.SetSize(2128, 1512);
    pictures.Counters = DrawSpriteSheet(SpriteSheet::kCounters, SheetStyle::kProbe);
    pictures.Numbers = DrawSpriteSheet(SpriteSheet::kNumbers, SheetStyle::kProbe);
  }

  // The cell a pixel of the view was copied from; nothing for map or drawing.
  std::optional<ProbeCell> CellAt(TPoint point) const {
    return DecodeProbe(view.View().Pixel(point.X, point.Y));
  }
  static ProbeCell Cell(CellArt art, int nation, int value) {
    const auto cell = ExactCell(art, nation, value);
    EXPECT_TRUE(cell.has_value());
    return {cell->sheet, cell->rect.TopLeft()};
  }
  // The top-left pixel of a counter drawn on the hex, moved down the stack.
  static TPoint Corner(int column, int row, int stacked = 0) {
    return TMapView::HexPixel(column, row) + TPoint{4 + stacked, 4 + stacked};
  }
  // A corps of the nation, in an army of the colour when one is given.
  static int Corps(int column, int row, int ordinal, int colour = 0, int nation = TNation::Union) {
    const int corps = AddCorps(column, row, nation, nation);  // each nation of its own side
    GameState.Corps[corps].Ordinal = static_cast<std::uint8_t>(ordinal);
    if (colour == 0) return corps;
    const int army = AddArmy(70, 50, TSide::Union, TNation::Union);
    GameState.Armies[army].Ordinal = static_cast<std::uint8_t>(colour);
    GameState.Corps[corps].Army = static_cast<std::uint8_t>(army);
    return corps;
  }

  TMapPictures pictures;
  TMapView view{pictures};
};

// The view starts on an odd column and keeps its 27 columns and 17 rows on the map.
TEST_F(MapViewTest, TheOriginStartsOnAnOddColumnAndKeepsTheWholeViewOnTheMap) {
  struct Case {
    int left, top, shown_left, shown_top;
  };
  for (const Case& c :
       {Case{2, 1, 1, 1}, Case{0, 0, 1, 1}, Case{49, 1, 49, 1}, Case{50, 1, 49, 1},
        Case{60, 1, 49, 1}, Case{1, 37, 1, 37}, Case{1, 38, 1, 37}, Case{1, 40, 1, 37}}) {
    ViewLeft = static_cast<std::uint16_t>(c.left);
    ViewTop = static_cast<std::uint16_t>(c.top);
    view.Paint();
    EXPECT_EQ(ViewLeft, c.shown_left) << "from " << c.left;
    EXPECT_EQ(ViewTop, c.shown_top) << "from " << c.top;
  }
  // The bottom rows reach 3 pixels past the map picture, which are left black.
  EXPECT_EQ(view.View().Pixel(0, 503), clWhite);
  EXPECT_EQ(view.View().Pixel(0, 504), clBlack);
}

// Corps on one hex stack 2 pixels right and down per lower record, dissolved ones included.
TEST_F(MapViewTest, CorpsOnOneHexStackTwoPixelsPerLowerRecordDissolvedOnesIncluded) {
  for (const int middle_dissolved : {0, 1}) {
    SetUp();
    const int corps[] = {Corps(5, 5, 1, 1), Corps(5, 5, 2, 2), Corps(5, 5, 3, 3)};
    GameState.Corps[corps[1]].Inactive = static_cast<std::uint8_t>(middle_dissolved);
    view.Paint();
    for (int i = 0; i < 3; ++i) {
      if (middle_dissolved && i == 1) continue;
      // The counter's corner lies exactly there: the pixel before it is not the counter's.
      EXPECT_EQ(CellAt(Corner(5, 5, 2 * i)), Cell(CellArt::kCorps, 1, i + 1)) << i;
      EXPECT_NE(CellAt(Corner(5, 5, 2 * i - 1)), Cell(CellArt::kCorps, 1, i + 1)) << i;
    }
  }
}

// Army colours past 8 and corps numbers past the sheet take its last cell, and
// nothing in a counter comes from outside a cell, where the sheets are black.
TEST_F(MapViewTest, CountersTakeTheirCellsAndNumbersPastTheSheetsTakeTheLastOne) {
  const struct {
    int nation, ordinal, colour, base, insignia;  // base and insignia: the cells' values
  } cases[] = {{TNation::Union, 3, 2, 2, 3},
               {TNation::Union, 1, 9, 8, 1},
               {TNation::Union, 33, 0, 0, 33},
               {TNation::Union, 34, 0, 0, 33},
               {TNation::Confederacy, 41, 0, 0, 40}};
  for (const auto& c : cases) {
    SetUp();
    Corps(7, 7, c.ordinal, c.colour, c.nation);
    view.Paint();
    EXPECT_EQ(CellAt(Corner(7, 7)), Cell(CellArt::kCorps, c.nation, c.base)) << c.colour;
    EXPECT_EQ(CellAt(Corner(7, 7) + TPoint{1, 7}),
              Cell(CellArt::kCorpsOrdinal, c.nation, c.insignia))
        << "corps " << c.ordinal;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 23; ++x) {
        ASSERT_TRUE(CellAt(Corner(7, 7) + TPoint{x, y}).has_value())
            << c.ordinal << " " << x << "," << y;
      }
    }
  }
}

// The side played sees what it spotted, units of no side, everything when it is
// the one human side, what its reports show (3: all), and its own; a corps
// aboard a fleet is hidden, one merely marked aboard is not.
TEST_F(MapViewTest, TheSidePlayedSeesWhatItSpottedItsOwnAndEverythingItsReportsShow) {
  const struct {
    int spotted, side, human_nations, reports, current_side;
    bool carried, drawn;
  } cases[] = {
      {0, 2, 0, 0, 0, false, false}, {1, 2, 0, 0, 0, false, true},  // spotted
      {0, 0, 0, 0, 0, false, true},                                 // of no side
      {0, 2, 1, 0, 0, false, false}, {0, 2, 2, 0, 0, false, true},  // one human side
      {0, 2, 3, 0, 0, false, false},                                // two human sides
      {0, 2, 0, 1, 0, false, false}, {0, 2, 0, 2, 0, false, true},  // reports of a side
      {0, 2, 0, 3, 0, false, true},  {0, 2, 0, 0, 2, false, true},  // all reports; own
      {1, 2, 0, 3, 2, true, false},                                 // aboard
  };
  for (const auto& c : cases) {
    SetUp();
    const int corps = Corps(11, 11, 1, 0, TNation::Confederacy);
    GameState.Corps[corps].Side = static_cast<std::uint8_t>(c.side);
    GameState.Corps[corps].Spotted = static_cast<std::uint8_t>(c.spotted);
    GameState.Corps[corps].Stance = 4;  // marked aboard
    if (c.carried)
      GameState.Fleets[AddFleet(40, 40, TSide::Union, TNation::Union)].Corps =
          static_cast<std::uint8_t>(corps);
    GameState.Nations[TNation::Union].Human = (c.human_nations & 1) != 0;
    GameState.Nations[TNation::Confederacy].Human = (c.human_nations & 2) != 0;
    GameState.MessageView = static_cast<std::uint16_t>(c.reports);
    CurrentSide = static_cast<std::uint16_t>(c.current_side);
    view.Paint();
    EXPECT_EQ(CellAt(Corner(11, 11)).has_value(), c.drawn) << &c - cases;
  }
}

// The grid outlines hexes in their owner's colour; game-over code 255 alone hides every unit.
TEST_F(MapViewTest, OutlinesTakeTheOwnersColourAndTheEndOfTheGameHidesEveryUnit) {
  struct Case {
    bool grid;
    int game_over;
    TColor union_outline, confederate_outline;
    bool units;
  };
  for (const Case& c :
       {Case{true, 0, clNavy, clGray, true}, Case{false, 0, clWhite, clWhite, true},
        Case{true, 255, clNavy, clGray, false}, Case{true, 254, clNavy, clGray, true}}) {
    SetUp();
    MapRecord.Cell(3, 3).SetOwner(TSide::Union);
    MapRecord.Cell(5, 3).SetOwner(TSide::Confederate);
    Corps(9, 12, 1);
    HexGridVisible = c.grid;
    GameOverCode = static_cast<std::uint16_t>(c.game_over);
    view.Paint();
    const auto outline = [&](int column) {  // the middle of the hex's top edge
      const TPoint at = TMapView::HexPixel(column, 3) + TPoint{12, 0};
      return view.View().Pixel(at.X, at.Y);
    };
    EXPECT_EQ(outline(3), c.union_outline);
    EXPECT_EQ(outline(5), c.confederate_outline);
    EXPECT_EQ(CellAt(Corner(9, 12)).has_value(), c.units) << "game over " << c.game_over;
  }
}

}  // namespace
