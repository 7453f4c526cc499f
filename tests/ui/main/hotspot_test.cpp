#include "ui/main/bi_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/controls/panel.h"
#include "platform/forms/form.h"
#include "ui/main/main_form.h"
#include "virtual_tick_clock.h"

namespace {

class HotspotTest : public ::testing::Test {
 protected:
  HotspotTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 800, 600);
    form.Show();
  }
  void PointAt(TPoint point) { session.Backend().MouseMove(point); }

  THeadlessSession session;
  VirtualTickClock clock;
  TForm form;
};

// The main window's bands lie 10 pixels deep along the frame's edges; the
// edge line of a band is outside it, the next line inside.
TEST_F(HotspotTest, TheMainWindowBandsStartOneLineInsideTheirEdges) {
  TGMRSDI window(".", clock);
  struct Case {
    const char* band;
    TPoint point;
    bool inside;
  };
  const Case cases[] = {
      {"HotTop", {400, 0}, false},    {"HotTop", {400, 1}, true},
      {"HotTop", {400, 9}, true},     {"HotTop", {400, 10}, false},
      {"HotTop", {10, 5}, false},     {"HotTop", {11, 5}, true},
      {"HotTop", {788, 5}, true},     {"HotTop", {789, 5}, false},
      {"HotBottom", {400, 599}, false}, {"HotBottom", {400, 598}, true},
      {"HotBottom", {400, 590}, true},  {"HotBottom", {400, 589}, false},
      {"HotLeft", {0, 300}, false},   {"HotLeft", {1, 300}, true},
      {"HotLeft", {9, 300}, true},    {"HotLeft", {10, 300}, false},
      {"HotRight", {799, 300}, false}, {"HotRight", {798, 300}, true},
      {"HotRight", {790, 300}, true},  {"HotRight", {789, 300}, false},
      {"HotTop", {-1, -1}, false},
  };
  for (const Case& c : cases) {
    const auto* band = FindOwned<TBI_Hotspot>(window, c.band);
    EXPECT_EQ(band->Inside(c.point), c.inside) << c.band << " at " << c.point.X << "," << c.point.Y;
  }
}

TEST_F(HotspotTest, EachPollReportsWhereThePointerRestsAndComingAndGoingOnce) {
  TBI_Hotspot hotspot(nullptr, clock);
  hotspot.RectLeft = 100;
  hotspot.RectTop = 100;
  hotspot.RectRight = 200;
  hotspot.RectBottom = 200;
  std::vector<std::string> events;
  hotspot.OnInHotspot = [&](TComponent*, TPoint) { events.push_back("in"); };
  hotspot.OnEnter = [&](TComponent*) { events.push_back("enter"); };
  hotspot.OnLeave = [&](TComponent*) { events.push_back("leave"); };
  hotspot.SetActive(true);
  clock.Settle();

  PointAt({150, 150});
  clock.Advance(54);
  EXPECT_TRUE(events.empty()) << "no poll before 55 ms";
  clock.Advance(1);
  EXPECT_EQ(events, (std::vector<std::string>{"in", "enter"}));
  clock.Advance(55);
  PointAt({300, 300});
  clock.Advance(110);
  EXPECT_EQ(events, (std::vector<std::string>{"in", "enter", "in", "leave"}));

  hotspot.SetActive(false);
  PointAt({150, 150});
  clock.Advance(110);
  EXPECT_EQ(events.size(), 4u) << "an inactive hotspot does not poll";
}

TEST_F(HotspotTest, AClientAreaIsMeasuredFromItsControl) {
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(300, 200, 100, 100);
  TBI_Hotspot hotspot(panel, clock);
  hotspot.Area = hsaClient;
  hotspot.RectRight = 50;
  hotspot.RectBottom = 50;
  int polls_inside = 0;
  hotspot.OnInHotspot = [&](TComponent*, TPoint position) {
    ++polls_inside;
    EXPECT_EQ(position, (TPoint{20, 30}));
  };
  hotspot.SetActive(true);
  PointAt({320, 230});
  clock.Advance(55);
  PointAt({20, 30});
  clock.Advance(55);
  EXPECT_EQ(polls_inside, 1);
}

}  // namespace
