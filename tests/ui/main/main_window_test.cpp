#include "ui/main/main_form.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "support/world_fixture.h"
#include "ui/main/window_port.h"
#include "virtual_tick_clock.h"
#include "world/codes.h"
#include "world/movement_driver.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGameFolder = GRAYMARCH_GAME_DIR;
const char* const kGameFiles[] = {"GMR_ENG.TXT",  "NEWMAP.BMP",   "BASEIMG2.BMP", "BASEIMG3.BMP",
                                  "OBJECTIV.BMP", "GMRSMALL.BMP", "1861.gmr"};

class MainWindowTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    previous_ = InstallGameWindow(&port);
  }
  void TearDown() override {
    InstallGameWindow(previous_);
    WorldTest::TearDown();
  }

  // The frame's colour at a point of a control.
  TColor FramePixel(const TControl& control, TPoint point) {
    Application.ProcessMessages();
    const TPoint at = control.ClientToScreen(point);
    return session.Backend().Frame().Pixel(at.X, at.Y);
  }
  static TBitmap Picture(const char* file) {
    TBitmap picture;
    picture.LoadFromFile((kGameFolder / file).string());
    return picture;
  }

  THeadlessSession session;
  VirtualTickClock clock;
  TGMRSDI window{kGameFolder, clock};
  TWindowPort port{window};
  GameWindow* previous_ = nullptr;
};

// The first active corps that shares its hex with no other record.
int LoneCorps() {
  for (int corps = 1; corps <= GameState.Corps.Count; ++corps) {
    const TCorps& record = GameState.Corps[corps];
    if (record.Inactive != 0 || record.Ordinal == 0) continue;
    bool alone = true;
    for (int other = 1; other <= GameState.Corps.Count; ++other) {
      const TCorps& second = GameState.Corps[other];
      alone = alone && (other == corps || second.X != record.X || second.Y != record.Y);
    }
    if (alone) return corps;
  }
  return 0;
}

// A city with no unit on or next to its hex.
int QuietCity() {
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    const TCity& place = GameState.Cities[city];
    if (place.X == 0) continue;
    bool quiet = true;
    for (int corps = 1; corps <= GameState.Corps.Count; ++corps) {
      const TCorps& record = GameState.Corps[corps];
      quiet = quiet && (record.Inactive != 0 || std::abs(record.X - place.X) > 1 ||
                        std::abs(record.Y - place.Y) > 1);
    }
    for (int fleet = 1; fleet <= GameState.Fleets.Count; ++fleet) {
      const TFleet& record = GameState.Fleets[fleet];
      quiet = quiet && (record.Status != 0 || std::abs(record.X - place.X) > 1 ||
                        std::abs(record.Y - place.Y) > 1);
    }
    for (int army = 1; army <= GameState.Armies.Count; ++army) {
      quiet = quiet && GameState.Armies[army].HqCity != city;
    }
    if (quiet) return city;
  }
  return 0;
}

TEST_F(MainWindowTest, OpensOnThe1861StartOverAnEmptyMapWithTimerAndHotspotsOn) {
  ASSERT_EQ(window.FormCreate(), "");
  EXPECT_EQ(GameState.StartYear, 1861);
  EXPECT_EQ(MapRecord.Cell(30, 20).Owner(), 0);
  EXPECT_EQ(GameState.MessageView, 3) << "nobody plays yet, so every unit shows";
  EXPECT_EQ(FindOwned<TMenuItem>(window, "Game1")->Caption(), TextLine(426));
  EXPECT_EQ(FindOwned<TMenuItem>(window, "FleetOrders1")->Caption(), TextLine(451));
  EXPECT_EQ(FindOwned<TMenuItem>(window, "CheckLeaders")->Caption(), "Check leaders");
  EXPECT_TRUE(window.Timer1->Enabled());
  EXPECT_EQ(window.Timer1->Interval(), 100u);
  for (const TBI_Hotspot* hotspot : {window.HotTop, window.HotBottom, window.HotLeft, window.HotRight}) {
    EXPECT_TRUE(hotspot->Active()) << hotspot->Name();
  }
  EXPECT_TRUE(FleetMovesVisible);
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(MainWindowTest, TheFirstFrameShowsCountersCitiesAndTheMinimapOutline) {
  ASSERT_EQ(window.FormCreate(), "");
  window.Show();
  const TBitmap map = Picture("NEWMAP.BMP");
  const TBitmap counters = Picture("BASEIMG2.BMP");

  const int corps = LoneCorps();
  ASSERT_NE(corps, 0);
  const TCorps& record = GameState.Corps[corps];
  ViewLeft = static_cast<std::uint16_t>(std::max(1, record.X - 10));
  ViewTop = static_cast<std::uint16_t>(std::max(1, record.Y - 6));
  GameState.MessageView = 3;
  window.FormPaint();
  const TPoint counter = TMapView::HexPixel(record.X, record.Y) + TPoint{4 + 11, 4 + 2};
  const auto base = NearestCell(CellArt::kCorps, record.Nation, 0);
  const TColor art = counters.Pixel(base->rect.Left + 11, base->rect.Top + 2);
  if (record.Army == 0) {
    EXPECT_EQ(FramePixel(*window.BattleMap, counter), art);
  }
  EXPECT_NE(FramePixel(*window.BattleMap, counter), map.Pixel(0, 0));

  const int city = QuietCity();
  ASSERT_NE(city, 0);
  const TCity& place = GameState.Cities[city];
  ViewLeft = static_cast<std::uint16_t>(std::max(1, place.X - 10));
  ViewTop = static_cast<std::uint16_t>(std::max(1, place.Y - 6));
  window.FormPaint();
  // The hex's middle in the view shows the hex's middle in the map picture.
  const TPoint middle = TMapView::HexPixel(place.X, place.Y) + TPoint{14, 14};
  const TPoint in_map{(place.X - 1) * 28 + 14, (place.Y - 1) * 28 + 14 + (place.X % 2 == 0 ? 14 : 0)};
  EXPECT_EQ(FramePixel(*window.BattleMap, middle), map.Pixel(in_map.X, in_map.Y));

  ViewLeft = 5;
  ViewTop = 7;
  window.FormPaint();
  EXPECT_EQ(FramePixel(*window.StratMap, {5, 7}), clRed);
  EXPECT_EQ(FramePixel(*window.StratMap, {5 + 26, 7 + 16}), clRed);
  EXPECT_EQ(FramePixel(*window.StratMap, {6, 8}), Picture("GMRSMALL.BMP").Pixel(6, 8));
}

TEST_F(MainWindowTest, TheBarWearsTheColoursOfTheSideInPlay) {
  ASSERT_EQ(window.FormCreate(), "");
  struct Case {
    int side;
    TColor panel, text;
  };
  for (const Case& c : {Case{0, clSilver, clBlack}, Case{1, clNavy, clSilver}, Case{2, clGray, clWhite}}) {
    CurrentSide = static_cast<std::uint16_t>(c.side);
    window.FormPaint();
    EXPECT_EQ(window.IdPanel->Color(), c.panel) << "side " << c.side;
    EXPECT_EQ(window.IdPanel->Font().Color(), c.text) << "side " << c.side;
  }
  FleetMovesVisible = false;
  window.FormPaint();
  EXPECT_EQ(window.SpeedButton4->Font().Color(), clBlack);
  EXPECT_EQ(window.DatePanel->Caption(), "July 1 1861");
}

TEST_F(MainWindowTest, TheRulesReachTheMenusButtonsGaugesAndPanels) {
  port.SetCommandEnabled(WindowCommand::Execute1, false);
  port.SetCommandEnabled(WindowCommand::SpeedButton1, false);
  port.SetCommandEnabled(WindowCommand::Speedbutton2, false);
  port.SetGauge(WindowGauge::Gauge3, 40);
  port.SetGauge(WindowGauge::TurnProgressGauge, 300);
  port.SetPanelCaption(WindowPanel::IdPanel, "II Corps");
  port.SetSideChangeCaption("Select side : Confederacy");
  port.SetCursor(WindowCursor::Hourglass);
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "Execute1")->Enabled());
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "Playback1")->Enabled());
  EXPECT_FALSE(window.SpeedButton1->Enabled());
  EXPECT_FALSE(window.Speedbutton2->Enabled());
  EXPECT_EQ(window.Gauge3->Progress(), 40);
  EXPECT_EQ(window.TurnProgressGauge->Progress(), 300);
  EXPECT_EQ(window.IdPanel->Caption(), "II Corps");
  EXPECT_EQ(FindOwned<TMenuItem>(window, "SideChange")->Caption(), "Select side : Confederacy");
  EXPECT_EQ(Screen.Cursor(), crHourGlass);
  port.SetCursor(WindowCursor::Default);
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "graymarch-ui-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

TEST_F(MainWindowTest, AMissingOrDamagedFileIsNamedAndTheWindowDoesNotOpen) {
  struct Case {
    const char* file;
    bool cut_short;  // present, one byte short
  };
  for (const Case& c : {Case{"GMR_ENG.TXT", false}, Case{"NEWMAP.BMP", false},
                        Case{"BASEIMG3.BMP", false}, Case{"1861.gmr", false}, Case{"1861.gmr", true}}) {
    TempFolder folder;
    for (const char* file : kGameFiles) {
      if (std::strcmp(file, c.file) != 0) fs::create_symlink(kGameFolder / file, folder.Path() / file);
    }
    if (c.cut_short) {
      std::ifstream in(kGameFolder / c.file, std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)), {});
      bytes.pop_back();
      std::ofstream(folder.Path() / c.file, std::ios::binary) << bytes;
    }
    const std::uint16_t year_before = GameState.Year;
    TGMRSDI broken(folder.Path(), clock);
    const std::string problem = broken.FormCreate();
    EXPECT_NE(problem.find(c.file), std::string::npos) << problem;
    EXPECT_EQ(GameState.Year, year_before) << c.file;
    EXPECT_FALSE(broken.Timer1->Enabled());
    EXPECT_EQ(Screen.Cursor(), crDefault) << "the message is read with the ordinary pointer";
  }
}

}  // namespace
