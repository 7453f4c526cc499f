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

constexpr TColor kMapColour = clWhite;

// The map view drawn from the probe sheets over a plain white map, so every
// pixel of a counter names the sheet cell it came from.
class MapViewTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    ViewLeft = 1;
    ViewTop = 1;
    HexGridVisible = false;
    GameState.MessageView = 3;
  }
  void TearDown() override {
    HexGridVisible = false;
    WorldTest::TearDown();
  }

  static TMapPictures ProbePictures() {
    TMapPictures pictures;
    pictures.Map.SetSize(2128, 1512);
    pictures.Counters = DrawSpriteSheet(SpriteSheet::kCounters, SheetStyle::kProbe);
    pictures.Numbers = DrawSpriteSheet(SpriteSheet::kNumbers, SheetStyle::kProbe);
    pictures.Minimap.SetSize(76, 54);
    return pictures;
  }

  // The cell a pixel of the view was copied from; nothing for map or drawing.
  std::optional<ProbeCell> CellAt(TPoint point) const {
    return DecodeProbe(view.View().Pixel(point.X, point.Y));
  }
  static ProbeCell Expected(CellArt art, int nation, int value) {
    const auto cell = ExactCell(art, nation, value);
    EXPECT_TRUE(cell.has_value());
    return {cell->sheet, cell->rect.TopLeft()};
  }
  // The top-left pixel of a counter drawn on the hex, moved down the stack.
  static TPoint CounterCorner(int column, int row, int stacked = 0) {
    return TMapView::HexPixel(column, row) + TPoint{4 + stacked, 4 + stacked};
  }
  static int ArmyOfColour(int colour) {
    const int army = AddArmy(70, 50, TSide::Union, TNation::Union);
    GameState.Armies[army].Ordinal = static_cast<std::uint8_t>(colour);
    return army;
  }
  static int Corps(int column, int row, int ordinal, int colour = 0, int nation = TNation::Union) {
    const int corps = AddCorps(column, row, nation == TNation::Union ? TSide::Union : TSide::Confederate,
                               nation);
    GameState.Corps[corps].Ordinal = static_cast<std::uint8_t>(ordinal);
    if (colour != 0) GameState.Corps[corps].Army = static_cast<std::uint8_t>(ArmyOfColour(colour));
    return corps;
  }

  TMapPictures pictures = ProbePictures();
  TMapView view{pictures};
};

TEST_F(MapViewTest, TheOriginStartsOnAnOddColumnAndKeepsTheWholeViewOnTheMap) {
  struct Case {
    int left, top, shown_left, shown_top;
  };
  for (const Case& c : {Case{2, 1, 1, 1}, Case{0, 0, 1, 1}, Case{49, 1, 49, 1}, Case{50, 1, 49, 1},
                        Case{60, 1, 49, 1}, Case{1, 37, 1, 37}, Case{1, 38, 1, 37},
                        Case{1, 40, 1, 37}}) {
    ViewLeft = static_cast<std::uint16_t>(c.left);
    ViewTop = static_cast<std::uint16_t>(c.top);
    view.Paint();
    EXPECT_EQ(ViewLeft, c.shown_left) << "from " << c.left;
    EXPECT_EQ(ViewTop, c.shown_top) << "from " << c.top;
  }
  // The bottom rows reach 3 pixels past the map picture, which are left black.
  EXPECT_EQ(view.View().Pixel(0, 503), kMapColour);
  EXPECT_EQ(view.View().Pixel(0, 504), clBlack);
}

TEST_F(MapViewTest, CorpsOnOneHexStackTwoPixelsPerLowerRecordDissolvedOnesIncluded) {
  struct Case {
    bool middle_dissolved;
    int first, second, third;  // offsets of the three records
  };
  for (const Case& c : {Case{false, 0, 2, 4}, Case{true, 0, -1, 4}}) {
    SetUp();
    const int corps[] = {Corps(5, 5, 1, 1), Corps(5, 5, 2, 2), Corps(5, 5, 3, 3)};
    if (c.middle_dissolved) GameState.Corps[corps[1]].Inactive = 1;
    view.Paint();
    const int offsets[] = {c.first, c.second, c.third};
    for (int i = 0; i < 3; ++i) {
      if (offsets[i] < 0) continue;
      // The counter's corner lies exactly there: the pixel before it is not the counter's.
      const TPoint corner = CounterCorner(5, 5, offsets[i]);
      EXPECT_EQ(CellAt(corner), Expected(CellArt::kCorps, 1, i + 1)) << "record " << i + 1;
      EXPECT_NE(CellAt(corner + TPoint{-1, -1}), Expected(CellArt::kCorps, 1, i + 1))
          << "record " << i + 1;
    }
  }
}

TEST_F(MapViewTest, CountersTakeTheirCellsAndNumbersPastTheSheetsTakeTheLastOne) {
  struct Case {
    const char* what;
    int ordinal, colour, nation;
    ProbeCell base, insignia;
  };
  const Case cases[] = {
      {"Union 3rd corps of army colour 2", 3, 2, TNation::Union,
       Expected(CellArt::kCorps, 1, 2), Expected(CellArt::kCorpsOrdinal, 1, 3)},
      {"army colour 9", 1, 9, TNation::Union, Expected(CellArt::kCorps, 1, 8),
       Expected(CellArt::kCorpsOrdinal, 1, 1)},
      {"Union corps 33", 33, 0, TNation::Union, Expected(CellArt::kCorps, 1, 0),
       Expected(CellArt::kCorpsOrdinal, 1, 33)},
      {"Union corps 34", 34, 0, TNation::Union, Expected(CellArt::kCorps, 1, 0),
       Expected(CellArt::kCorpsOrdinal, 1, 33)},
      {"Confederate corps 41", 41, 0, TNation::Confederacy, Expected(CellArt::kCorps, 2, 0),
       Expected(CellArt::kCorpsOrdinal, 2, 40)},
  };
  for (const Case& c : cases) {
    SetUp();
    Corps(7, 7, c.ordinal, c.colour, c.nation);
    view.Paint();
    const TPoint corner = CounterCorner(7, 7);
    EXPECT_EQ(CellAt(corner), c.base) << c.what;
    EXPECT_EQ(CellAt(corner + TPoint{1, 7}), c.insignia) << c.what;
    // Nothing in the counter comes from outside a cell, where the sheets are black.
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 23; ++x) {
        ASSERT_TRUE(CellAt(corner + TPoint{x, y}).has_value()) << c.what << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(MapViewTest, FleetsShowTheirNumberOverTheirBaseAndForeignRiverFleetsNothing) {
  struct Case {
    int nation, kind, number;
    std::optional<ProbeCell> strip, base;
  };
  const Case cases[] = {
      {TNation::Union, 1, 3, Expected(CellArt::kFleetNumber, 1, 3), Expected(CellArt::kFleet, 1, 1)},
      {TNation::Confederacy, 2, 33, Expected(CellArt::kFleetNumber, 2, 32),
       Expected(CellArt::kFleet, 2, 2)},
      {TNation::Britain, 1, 1, Expected(CellArt::kFleet, 4, 1), Expected(CellArt::kFleet, 4, 1)},
      {TNation::France, 2, 1, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SetUp();
    const int fleet = AddFleet(9, 9, TSide::Union, c.nation);
    GameState.Fleets[fleet].Kind = static_cast<std::uint8_t>(c.kind);
    GameState.Fleets[fleet].Number = static_cast<std::uint8_t>(c.number);
    view.Paint();
    EXPECT_EQ(CellAt(CounterCorner(9, 9)), c.strip) << "nation " << c.nation;
    EXPECT_EQ(CellAt(CounterCorner(9, 9) + TPoint{0, 12}), c.base) << "nation " << c.nation;
  }
}

TEST_F(MapViewTest, TheSidePlayedSeesWhatItSpottedItsOwnAndEverythingItsReportsShow) {
  struct Case {
    const char* why;
    int spotted, side, human_nations, message_view, current_side;
    bool drawn;
  };
  constexpr int kUnionHuman = 1;
  constexpr int kConfederacyHuman = 2;
  const Case cases[] = {
      {"hidden", 0, 2, 0, 0, 0, false},
      {"spotted", 1, 2, 0, 0, 0, true},
      {"of no side", 0, 0, 0, 0, 0, true},
      {"the enemy of the one human side", 0, 2, kUnionHuman, 0, 0, false},
      {"of the one human side", 0, 2, kConfederacyHuman, 0, 0, true},
      {"of one of two human sides", 0, 2, kUnionHuman | kConfederacyHuman, 0, 0, false},
      {"reports of its side", 0, 2, 0, 2, 0, true},
      {"reports of the other side", 0, 2, 0, 1, 0, false},
      {"every report", 0, 2, 0, 3, 0, true},
      {"its nation in play", 0, 2, 0, 0, 2, true},
  };
  for (const Case& c : cases) {
    SetUp();
    const int corps = Corps(11, 11, 1, 0, TNation::Confederacy);
    GameState.Corps[corps].Side = static_cast<std::uint8_t>(c.side);
    GameState.Corps[corps].Spotted = static_cast<std::uint8_t>(c.spotted);
    GameState.Nations[TNation::Union].Human = (c.human_nations & kUnionHuman) != 0;
    GameState.Nations[TNation::Confederacy].Human = (c.human_nations & kConfederacyHuman) != 0;
    GameState.MessageView = static_cast<std::uint16_t>(c.message_view);
    CurrentSide = static_cast<std::uint16_t>(c.current_side);
    view.Paint();
    EXPECT_EQ(CellAt(CounterCorner(11, 11)).has_value(), c.drawn) << c.why;
  }
}

TEST_F(MapViewTest, ACorpsAboardAFleetIsHiddenButNotOneMerelyMarkedAboard) {
  for (bool carried : {true, false}) {
    SetUp();
    const int corps = Corps(13, 13, 1);
    GameState.Corps[corps].Stance = 4;
    const int fleet = AddFleet(40, 40, TSide::Union, TNation::Union);
    if (carried) GameState.Fleets[fleet].Corps = static_cast<std::uint8_t>(corps);
    view.Paint();
    EXPECT_EQ(CellAt(CounterCorner(13, 13)).has_value(), !carried);
  }
}

TEST_F(MapViewTest, AnArmyShowsItsMarkerAtHeadquartersAndWithoutThemLosesItsNation) {
  const int army = AddArmy(15, 6, TSide::Union, TNation::Union);
  GameState.Armies[army].Ordinal = 4;
  const int homeless = AddArmy(17, 6, TSide::Confederate, TNation::Confederacy);
  GameState.Armies[homeless].HqCity = 0;
  view.Paint();
  EXPECT_EQ(CellAt(CounterCorner(15, 6)), Expected(CellArt::kArmyMarker, 1, 4));
  EXPECT_EQ(CellAt(CounterCorner(15, 6) + TPoint{2, 9}), Expected(CellArt::kArmyInsignia, 1, 0));
  EXPECT_EQ(GameState.Armies[homeless].Nation, 0);
}

TEST_F(MapViewTest, OutlinesTakeTheOwnersColourAndTheEndOfTheGameHidesEveryUnit) {
  struct Case {
    bool grid;
    int game_over;
    TColor union_outline, confederate_outline;
    bool units;
  };
  for (const Case& c : {Case{true, 0, clNavy, clGray, true}, Case{false, 0, kMapColour, kMapColour, true},
                        Case{true, 255, clNavy, clGray, false}, Case{true, 1, clNavy, clGray, true}}) {
    SetUp();
    MapRecord.Cell(3, 3).SetOwner(TSide::Union);
    MapRecord.Cell(5, 3).SetOwner(TSide::Confederate);
    Corps(9, 12, 1);
    HexGridVisible = c.grid;
    GameOverCode = static_cast<std::uint16_t>(c.game_over);
    view.Paint();
    const TPoint top_edge{12, 0};
    EXPECT_EQ(view.View().Pixel((TMapView::HexPixel(3, 3) + top_edge).X, TMapView::HexPixel(3, 3).Y),
              c.union_outline);
    EXPECT_EQ(view.View().Pixel((TMapView::HexPixel(5, 3) + top_edge).X, TMapView::HexPixel(5, 3).Y),
              c.confederate_outline);
    EXPECT_EQ(CellAt(CounterCorner(9, 12)).has_value(), c.units) << "game over " << c.game_over;
  }
}

}  // namespace
