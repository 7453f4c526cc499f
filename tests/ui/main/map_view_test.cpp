// The map view on probe sprites, and the main window's first frame of the 1861 start.
#include "ui/main/map_view.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "support/window_fixture.h"
#include "tools/sprites/palette.h"
#include "tools/sprites/probe_colour.h"
#include "tools/sprites/sprite_sheets.h"
#include "ui/main/main_form.h"
#include "virtual_tick_clock.h"
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
    pictures.Map.SetSize(2128, 1512);
    pictures.Counters = DrawSpriteSheet(SpriteSheet::kCounters, SheetStyle::kProbe);
    pictures.Numbers = DrawSpriteSheet(SpriteSheet::kNumbers, SheetStyle::kProbe);
  }

  // The cell a pixel of the view was copied from; nothing for map or drawing.
  std::optional<ProbeCell> CellAt(TPoint point) const {
    return DecodeProbe(view.View().Pixel(point.X, point.Y));
  }
  static ProbeCell Cell(CellArt art, int nation, int value) {
    const TSpriteRect cell = ExactCell(art, nation, value).value();
    return {cell.sheet, cell.rect.TopLeft()};
  }
  // The top-left pixel of a counter drawn on the hex, moved down the stack.
  static TPoint Corner(int column, int row, int stacked = 0) {
    return TMapView::HexPixel(column, row) + TPoint{4 + stacked, 4 + stacked};
  }
  // A Union corps, in an army of the colour when one is given.
  static int Corps(int column, int row, int ordinal, int colour = 0) {
    const int corps = AddCorps(column, row, TSide::Union, TNation::Union);
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
    int ordinal, colour, base, insignia;  // the corps, its army's colour, and the cells they take
  } cases[] = {{3, 2, 2, 3}, {1, 9, 8, 1}, {34, 0, 0, 33}};
  for (const auto& c : cases) {
    SetUp();
    Corps(7, 7, c.ordinal, c.colour);
    view.Paint();
    EXPECT_EQ(CellAt(Corner(7, 7)), Cell(CellArt::kCorps, 1, c.base)) << c.colour;
    EXPECT_EQ(CellAt(Corner(7, 7) + TPoint{1, 7}), Cell(CellArt::kCorpsOrdinal, 1, c.insignia))
        << "corps " << c.ordinal;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 23; ++x) {
        ASSERT_TRUE(CellAt(Corner(7, 7) + TPoint{x, y}).has_value())
            << c.ordinal << " " << x << "," << y;
      }
    }
  }
}

// A corps' strength bar takes the colour of its army's band on the counters,
// armies 5 and 8 sharing the colours of 1 and 2.
TEST_F(MapViewTest, StrengthBarsTakeTheirArmysBandColour) {
  const struct {
    int colour, band;
  } cases[] = {{0, 0}, {1, 1}, {4, 4}, {5, 1}, {7, 7}, {8, 2}};
  for (const auto& c : cases) {
    SetUp();
    Corps(7, 7, 1, c.colour);
    view.Paint();
    const TPoint bar = Corner(7, 7) + TPoint{1, 21};
    EXPECT_EQ(view.View().Pixel(bar.X, bar.Y), ArmyColourOf(c.band).colour) << c.colour;
  }
}

// The grid outlines hexes in their owner's colour; game-over code 255 alone
// hides every unit, and the reports of one side (1, 2; 3: all) an unseen unit
// of the other.
TEST_F(MapViewTest, OutlinesTakeTheOwnersColourAndUnitsShowUnlessGameOverOrUnreported) {
  struct Case {
    bool grid;
    int game_over, reports;
    TColor union_outline, confederate_outline;
    bool units;
  };
  for (const Case& c :
       {Case{true, 0, 3, clNavy, clGray, true}, Case{false, 0, 3, clWhite, clWhite, true},
        Case{true, 255, 3, clNavy, clGray, false}, Case{true, 254, 3, clNavy, clGray, true},
        Case{true, 0, 1, clNavy, clGray, true}, Case{true, 0, 2, clNavy, clGray, false}}) {
    SetUp();
    MapRecord.Cell(3, 3).SetOwner(TSide::Union);
    MapRecord.Cell(5, 3).SetOwner(TSide::Confederate);
    Corps(9, 12, 1);
    HexGridVisible = c.grid;
    GameOverCode = static_cast<std::uint16_t>(c.game_over);
    GameState.MessageView = static_cast<std::uint16_t>(c.reports);
    view.Paint();
    const auto outline = [&](TPoint hex) { return view.View().Pixel(hex.X + 12, hex.Y); };
    EXPECT_EQ(outline(TMapView::HexPixel(3, 3)), c.union_outline);  // mid top edge
    EXPECT_EQ(outline(TMapView::HexPixel(5, 3)), c.confederate_outline);
    EXPECT_EQ(CellAt(Corner(9, 12)).has_value(), c.units) << c.game_over << " " << c.reports;
  }
}

// An enemy counter shows when spotted, when of no side, when the one human
// side is its own, when the reports cover it or its nation is in play; it
// hides from the one human enemy and from either of two human sides.
TEST_F(MapViewTest, TheSidePlayedSeesWhatItSpottedItsOwnAndWhatItsReportsShow) {
  using Row = struct { int spotted, side, humans, reports, current; bool drawn; };
  constexpr int kUnion = 1, kSouth = 2, kBoth = 3;
  const Row rows[] = {{0, 2, 0, 0, 0, false},     {1, 2, 0, 0, 0, true},  {0, 0, 0, 0, 0, true},
                      {0, 2, kUnion, 0, 0, false}, {0, 2, kSouth, 0, 0, true},
                      {0, 2, kBoth, 0, 0, false},  {0, 2, 0, 2, 0, true},  {0, 2, 0, 1, 0, false},
                      {0, 2, 0, 3, 0, true},       {0, 2, 0, 0, 2, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    TCorps& corps = GameState.Corps[AddCorps(11, 11, TSide::Confederate, TNation::Confederacy)];
    corps.Ordinal = 1;
    corps.Side = static_cast<std::uint8_t>(row.side);
    corps.Spotted = static_cast<std::uint8_t>(row.spotted);
    GameState.Nations[TNation::Union].Human = (row.humans & kUnion) != 0;
    GameState.Nations[TNation::Confederacy].Human = (row.humans & kSouth) != 0;
    GameState.MessageView = static_cast<std::uint16_t>(row.reports);
    CurrentSide = static_cast<std::uint16_t>(row.current);
    view.Paint();
    EXPECT_EQ(CellAt(Corner(11, 11)).has_value(), row.drawn);
  }
}

const std::filesystem::path kGameFolder = GRAYMARCH_GAME_DIR;

class MainWindowTest : public WindowTest {
 protected:
  // The frame's colour at a point of a control, and a picture's at a point.
  TColor FramePixel(const TControl& control, TPoint point) {
    Application.ProcessMessages();
    const TPoint at = control.ClientToScreen(point);
    return session.Backend().Frame().Pixel(at.X, at.Y);
  }
  static TColor PicturePixel(const char* file, TPoint point) {
    TBitmap picture;
    picture.LoadFromFile((kGameFolder / file).string());
    return picture.Pixel(point.X, point.Y);
  }

  THeadlessSession session;
  VirtualTickClock clock;
  TGMRSDI window{kGameFolder, clock};
};

// The first active corps that shares its hex with no other record.
int LoneCorps() {
  const auto& corps = GameState.Corps;
  for (int c = 1; c <= corps.Count; ++c) {
    int on_hex = 0;
    for (int o = 1; o <= corps.Count; ++o)
      on_hex += corps[o].X == corps[c].X && corps[o].Y == corps[c].Y;
    if (corps[c].Inactive == 0 && corps[c].Ordinal != 0 && on_hex == 1) return c;
  }
  return 0;
}

// The window opens on the 1861 start with every unit shown: a lone corps'
// counter, the map under the view's corner, and the minimap's red frame.
TEST_F(MainWindowTest, TheFirstFrameShowsThe1861StartWithTimerAndHotspotsOn) {
  ASSERT_EQ(window.FormCreate(), "");
  window.Show();
  EXPECT_TRUE(window.Timer1->Enabled() && window.HotTop->Active() && window.HotRight->Active());
  const TCorps& corps = GameState.Corps[LoneCorps()];
  ASSERT_NE(corps.Ordinal, 0);
  ViewLeft = static_cast<std::uint16_t>(std::max(1, corps.X - 10));
  ViewTop = static_cast<std::uint16_t>(std::max(1, corps.Y - 6));
  window.FormPaint();
  const int colour = corps.Army != 0 ? GameState.Armies[corps.Army].Ordinal : 0;
  const TPoint art = NearestCell(CellArt::kCorps, corps.Nation, colour)->rect.TopLeft();
  EXPECT_EQ(FramePixel(*window.BattleMap, TMapView::HexPixel(corps.X, corps.Y) + TPoint{15, 6}),
            PicturePixel("BASEIMG2.BMP", art + TPoint{11, 2}));

  ViewLeft = 5;
  ViewTop = 7;
  window.FormPaint();
  EXPECT_EQ(FramePixel(*window.BattleMap, {1, 1}),
            PicturePixel("NEWMAP.BMP", {4 * 28 + 1, 6 * 28 + 1}));
  EXPECT_EQ(FramePixel(*window.StratMap, {5, 7}), clRed);
  EXPECT_EQ(FramePixel(*window.StratMap, {5 + 26, 7 + 16}), clRed);
  EXPECT_EQ(FramePixel(*window.StratMap, {6, 8}), PicturePixel("GMRSMALL.BMP", {6, 8}));
}

}  // namespace
