#include "ui/main/map_input.h"

#include <gtest/gtest.h>

#include "opened_window.h"
#include "platform/backend/frame_fit.h"
#include "platform/input/key_codes.h"
#include "world/vardecl.h"

namespace {

struct PixelCase {
  int x, y;
  int column, row;
};

TEST(HexAtPixel, EvenColumnsSitHalfAHexLower) {
  ViewLeft = 1;
  ViewTop = 1;
  for (const PixelCase& c : {PixelCase{27, 27, 1, 1}, PixelCase{27, 28, 1, 2}, PixelCase{28, 41, 2, 1},
                             PixelCase{28, 42, 2, 2}, PixelCase{55, 0, 2, 1}, PixelCase{56, 0, 3, 1}}) {
    const auto hex = HexAtPixel({c.x, c.y});
    ASSERT_TRUE(hex) << c.x << "," << c.y;
    EXPECT_EQ(hex->X, c.column) << c.x << "," << c.y;
    EXPECT_EQ(hex->Y, c.row) << c.x << "," << c.y;
  }
  ViewTop = 37;
  EXPECT_TRUE(HexAtPixel({0, 18 * 28 - 1}));
  EXPECT_FALSE(HexAtPixel({0, 18 * 28})) << "row 55 is off the map";
}

class MapInputTest : public OpenedWindowTest {
 protected:
  // A Union corps alone on its hex, the view set around it, the Union to play.
  int PickableCorps() {
    CurrentSide = 1;
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const TCorps& corps = GameState.Corps[c];
      if (corps.Inactive != 0 || corps.Nation != 1 || corps.Leader == 0 || corps.Y < 3 || corps.Y > 50) continue;
      bool alone = true;
      for (int o = 1; o <= GameState.Corps.Count; ++o) {
        const TCorps& other = GameState.Corps[o];
        alone = alone && (o == c || other.Inactive != 0 || other.X != corps.X || other.Y != corps.Y);
      }
      if (!alone) continue;
      ViewLeft = static_cast<std::uint16_t>(std::max(1, corps.X - 10));
      ViewTop = static_cast<std::uint16_t>(std::max(1, corps.Y - 6));
      window.FormPaint();
      return c;
    }
    return 0;
  }
  TPoint Centre(int column, int row) const {
    return OnMap(TMapView::HexPixel(column, row) + TPoint{14, 14});
  }
};

TEST_F(MapInputTest, ADragLaysNineStepsOfPathAndTheTenthIsRefused) {
  const int c = PickableCorps();
  ASSERT_NE(c, 0);
  TCorps& corps = GameState.Corps[c];
  const int x = corps.X, y = corps.Y;
  session.Backend().MouseDown(Centre(x, y));
  EXPECT_EQ(CurrentCorps, c);
  EXPECT_EQ(DragActive, 1);
  EXPECT_EQ(CorpsPicked, 1);
  // The pointer must come strictly within 8 pixels of the hex's centre.
  session.Backend().MouseMove(Centre(x, y + 1) + TPoint{8, 0});
  EXPECT_EQ(window.MapInput().WaypointCount(), 0);
  session.Backend().MouseMove(Centre(x, y + 1) + TPoint{7, -7});
  EXPECT_EQ(window.MapInput().WaypointCount(), 1);
  session.Backend().MouseMove(Centre(x, y + 1));
  EXPECT_EQ(window.MapInput().WaypointCount(), 1) << "the last waypoint again adds nothing";
  // Back and forth: an earlier waypoint is taken again.
  for (int step = 2; step <= 10; ++step) session.Backend().MouseMove(Centre(x, y + step % 2));
  EXPECT_EQ(window.MapInput().WaypointCount(), 9);
  session.Backend().MouseUp(Centre(x, y));
  EXPECT_EQ(corps.DestX, x);
  EXPECT_EQ(corps.DestY, y);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(corps.Path[k], k % 2 == 1 ? 4 : 1) << "step " << k;
  EXPECT_EQ(DragActive, 0);
}

TEST_F(MapInputTest, AReleaseWithoutADragSetsOnlyTheDestination) {
  const int c = PickableCorps();
  ASSERT_NE(c, 0);
  TCorps& corps = GameState.Corps[c];
  corps.Path[1] = 3;
  session.Backend().MouseDown(Centre(corps.X, corps.Y));
  session.Backend().MouseMove(Centre(corps.X + 2, corps.Y));
  session.Backend().MouseUp(Centre(corps.X + 2, corps.Y));
  EXPECT_EQ(corps.DestX, corps.X + 2) << "a hex two columns over is no step";
  EXPECT_EQ(corps.Path[1], 3);
  EXPECT_EQ(window.IdPanel->Font().Color(), clRed) << "a corps with a path shows in red";
}

TEST_F(MapInputTest, ARightClickNamesTheOneThingOnTheHexAndOffersOnlyItsOrders) {
  CurrentSide = 1;
  int city = 0;
  for (int c = 1; c <= GameState.Cities.Count && city == 0; ++c) {
    const TCity& place = GameState.Cities[c];
    if (place.X == 0 || place.Y < 3 || place.Y > 50) continue;
    FindEverythingAt({place.X, place.Y});
    if (FinderCount == 1 && FinderResults[1].Kind == 1) city = c;
  }
  ASSERT_NE(city, 0);
  const TCity& place = GameState.Cities[city];
  ViewLeft = static_cast<std::uint16_t>(std::max(1, place.X - 10));
  ViewTop = static_cast<std::uint16_t>(std::max(1, place.Y - 6));
  window.FormPaint();
  session.Backend().MouseDown(Centre(place.X, place.Y), TMouseButton::mbRight);
  EXPECT_EQ(CurrentCity, city);
  EXPECT_EQ(window.IdPanel->Caption(), place.Name.str());
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "CityOrders1")->Enabled());
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "CorpsOrders1")->Enabled());
  EXPECT_EQ(InfoClick, 1);
}

TEST_F(MapInputTest, ClicksOffTheMapOrBetweenTurnsAreIgnored) {
  const int c = PickableCorps();
  ASSERT_NE(c, 0);
  const TCorps& corps = GameState.Corps[c];
  CurrentSide = 0;
  session.Backend().Click(Centre(corps.X, corps.Y));
  EXPECT_EQ(CurrentCorps, 0);
  CurrentSide = 1;
  ViewTop = 37;
  window.FormPaint();
  session.Backend().Click(OnMap({5, 18 * 28 + 1}));
  EXPECT_EQ(CurrentCorps, 0);
  EXPECT_EQ(ClickedHexX, 0);
}

TEST_F(MapInputTest, TheMinimapKeysAndHotspotsMoveTheView) {
  session.Backend().Click(window.StratMap->ClientToScreen({20, 10}));
  EXPECT_EQ(ViewLeft, 19) << "the view starts on an odd column";
  EXPECT_EQ(ViewTop, 10);
  struct KeyCase {
    int key, left, top, want_left, want_top;
  };
  // One step per press, none on the release; each limit pinned on both sides.
  for (const KeyCase& k : {KeyCase{VK_RIGHT, 1, 5, 3, 5}, KeyCase{VK_RIGHT, 47, 5, 49, 5},
                           KeyCase{VK_RIGHT, 49, 5, 49, 5}, KeyCase{VK_LEFT, 5, 5, 3, 5},
                           KeyCase{VK_LEFT, 3, 5, 1, 5}, KeyCase{VK_LEFT, 1, 5, 1, 5},
                           KeyCase{VK_DOWN, 35, 36, 35, 37}, KeyCase{VK_DOWN, 1, 37, 1, 37},
                           KeyCase{VK_UP, 1, 2, 1, 1}, KeyCase{VK_UP, 1, 1, 1, 1}}) {
    ViewLeft = static_cast<std::uint16_t>(k.left);
    ViewTop = static_cast<std::uint16_t>(k.top);
    session.Backend().PressKey(k.key);
    EXPECT_EQ(ViewLeft, k.want_left) << k.key << " from " << k.left << "," << k.top;
    EXPECT_EQ(ViewTop, k.want_top) << k.key << " from " << k.left << "," << k.top;
  }
  ViewLeft = 1;
  window.MapInput().HotRightInHotspot();
  EXPECT_EQ(ViewLeft, 3);
}

// A pointer resting in the top band scrolls the map only while the map has
// the mouse: a pulled-down menu or an open dialog stops it.
TEST_F(MapInputTest, TheEdgeBandsRestWhileAMenuOrADialogIsOpen) {
  const TPoint in_top_band{400, window.KVELDMenu->Height() + 5};
  ASSERT_TRUE(window.HotTop->Inside(in_top_band));
  for (const bool dialog_open : {false, true}) {
    ViewLeft = 1;
    ViewTop = 10;
    auto rest_in_band = [&] { window.HotTop->OnInHotspot(window.HotTop, in_top_band); };
    if (dialog_open) {
      answer = [&](TForm&) { rest_in_band(); };
      TForm dialog;
      dialog.ShowModal();
    } else {
      rest_in_band();
    }
    EXPECT_EQ(ViewTop, dialog_open ? 10 : 9) << (dialog_open ? "with" : "without") << " a dialog open";
  }
}

// Pushed to the window's edge, the pointer scrolls the map whether the frame
// fills the window or sits between black bars: in a bar it scrolls as the
// band level with it does, beside no band or outside the window not at all.
TEST_F(MapInputTest, APointerInABarBesideTheFrameScrollsAsTheBandLevelWithIt) {
  const int menu = window.KVELDMenu->Height();
  const struct {
    const char* where;
    TPoint pointer;
    int want_left, want_top;
  } cases[] = {{"the frame's left band", {5, 300}, 19, 21},
               {"the left bar", {-120, 300}, 19, 21},
               {"the right bar", {920, 300}, 23, 21},
               {"the bar above, over the menu bar's level", {400, -60}, 21, 20},
               {"the bar below", {400, 660}, 21, 22},
               {"the left bar, level with the menu bar", {-120, menu / 2}, 21, 21},
               {"the bar above a corner", {5, -60}, 21, 21},
               {"outside the window", kPointerOutsideWindow, 21, 21}};
  for (const auto& c : cases) {
    ViewLeft = 21;
    ViewTop = 21;
    session.Backend().MouseMove(c.pointer);
    clock.Advance(55);
    EXPECT_EQ(ViewLeft, c.want_left) << c.where;
    EXPECT_EQ(ViewTop, c.want_top) << c.where;
  }
}

}  // namespace
