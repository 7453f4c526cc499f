// Every corps, city and fleet of each start file, for each side giving orders:
// its dialogs are opened and closed at once, and the game may change only
// where a dialog documents a write. None of the dialogs swept here writes
// anything when nothing is chosen in it.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "ui/orders/brigade_view.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/selection_dialog.h"
#include "ui/orders/weapon_selection.h"
#include "world/map_finder.h"
#include "world/route_finder.h"
#include "world/save_load.h"

namespace {

class StartFileSweep : public OrderDialogTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam() + ".gmr"));
    OnModal([this](TForm& form) { PressOk(form); });
  }

  // The player looks into every part of the dialog that opens another, then
  // presses its OK button.
  void PressOk(TForm& form) {
    if (auto* selection = dynamic_cast<TSelecDlg*>(&form)) {
      for (int row = 0; row < selection->SelectListBox->Count(); ++row) {
        selection->SelectListBox->SetTopIndex(row);
        ClickRow(*selection->SelectListBox, row);
        if (selection->SelectCorpsRadioGroup->Visible())
          Click(*selection->SelectCorpsRadioGroup->Buttons(0));
      }
      Click(*selection->Button1);
    } else if (auto* view = dynamic_cast<TViewBrgd*>(&form)) {
      for (const TViewBrgd::BrigadeRow& row : view->Rows) {
        if (row.Rearm->Visible()) Click(*row.Rearm);
      }
      Click(*view->Button11);
    } else if (auto* weapons = dynamic_cast<TNew_Wpn*>(&form)) {
      Click(*weapons->Button1);
    } else {
      ADD_FAILURE() << "no answer for " << form.Name();
    }
  }

  // Opens the thing's dialogs and reports every byte of the game they changed.
  void Sweep(const std::string& what, const std::function<void()>& open) {
    const TGameState before = GameState;
    open();
    const auto* old_bytes = reinterpret_cast<const unsigned char*>(&before);
    const auto* new_bytes = reinterpret_cast<const unsigned char*>(&GameState);
    for (std::size_t offset = 0; offset < sizeof(TGameState); ++offset) {
      if (old_bytes[offset] != new_bytes[offset]) {
        ADD_FAILURE() << what << " changed byte " << offset;
        GameState = before;
        return;
      }
    }
  }

  // What the finder lists on the hex for the side giving orders.
  static void FindAt(int x, int y) {
    ClickedHexX = static_cast<std::uint16_t>(x);
    ClickedHexY = static_cast<std::uint16_t>(y);
    FinderCount = 0;
    FindCitiesAtHex();
    FindArmiesAtHex();
    FindCorpsAtHex();
    FindFleetsAtHex();
  }
};

TEST_P(StartFileSweep, OpeningAndClosingEveryDialogChangesNothingUndocumented) {
  int corps_swept = 0, cities_swept = 0, fleets_swept = 0;
  for (const int nation : {TNation::Union, TNation::Confederacy}) {
    CurrentSide = static_cast<std::uint16_t>(nation);
    const int camp = CampOfNation(nation);
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const TCorps& corps = GameState.Corps[c];
      if (corps.IsFree() || corps.Side != camp) continue;
      ++corps_swept;
      CurrentCorps = static_cast<std::uint16_t>(c);
      Sweep("corps " + std::to_string(c), [&] {
        ShowCorpsOrders();
        ShowBrigadeView();
        FindAt(corps.X, corps.Y);
        ShowSelectionDialog();
      });
    }
    for (int city = 1; city <= GameState.Cities.Count; ++city) {
      if (GameState.Cities[city].Side != camp) continue;
      ++cities_swept;
      CurrentCity = static_cast<std::uint16_t>(city);
      Sweep("city " + std::to_string(city), [] { ShowCityOrders(); });
    }
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      if (GameState.Fleets[f].IsFree() || GameState.Fleets[f].Side != camp) continue;
      ++fleets_swept;
      CurrentFleet = static_cast<std::uint16_t>(f);
      Sweep("fleet " + std::to_string(f), [] { ShowFleetOrders(); });
    }
  }
  EXPECT_GT(corps_swept, 0);
  // Each corps' brigade view and the selection on its hex, and the weapon dialogs within.
  EXPECT_GT(session.Backend().ModalCount(), 2 * corps_swept);
  EXPECT_GT(cities_swept, 0);
  EXPECT_GT(fleets_swept, 0);
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, StartFileSweep, ::testing::Values("1861", "1862", "1863"));

}  // namespace
