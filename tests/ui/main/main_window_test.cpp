// The main window on the files that ship beside the program.
#include "ui/main/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "support/window_fixture.h"
#include "virtual_tick_clock.h"
#include "world/vardecl.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGameFolder = GRAYMARCH_GAME_DIR;

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
  EXPECT_EQ(window.DatePanel->Caption(), "July 1 1861");
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

// The texts or a picture missing, or the start file one byte short: the file is
// named, the game is left as it was, and the pointer is the ordinary one.
TEST_F(MainWindowTest, AMissingOrDamagedFileIsNamedAndTheWindowDoesNotOpen) {
  const std::uint16_t year = GameState.Year;
  for (const std::string missing : {"GMR_ENG.TXT", "NEWMAP.BMP", "1861.gmr"}) {
    const fs::path folder = PathOf(missing);
    fs::create_directory(folder);
    for (const std::string file : {"GMR_ENG.TXT", "NEWMAP.BMP", "BASEIMG2.BMP", "BASEIMG3.BMP",
                                   "OBJECTIV.BMP", "GMRSMALL.BMP", "1861.gmr"}) {
      if (file != missing) fs::create_symlink(kGameFolder / file, folder / file);
    }
    if (missing == "1861.gmr") {
      fs::copy_file(kGameFolder / missing, folder / missing);
      fs::resize_file(folder / missing, fs::file_size(folder / missing) - 1);
    }
    TGMRSDI broken(folder, clock);
    EXPECT_NE(broken.FormCreate().find(missing), std::string::npos);
    EXPECT_EQ(GameState.Year, year) << missing;
    EXPECT_FALSE(broken.Timer1->Enabled());
    EXPECT_EQ(Screen.Cursor(), crDefault);
  }
}

}  // namespace
