// Every corps, city, state and fleet of each start file, for each side giving orders:
// its dialogs are opened and closed at once, and the game may change only
// where a dialog documents a write, and no control may be drawn over another.
// None of the dialogs swept here writes anything when nothing is chosen in it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "ui/orders/army_orders.h"
#include "ui/orders/brigade_view.h"
#include "ui/orders/city_orders.h"
#include "ui/orders/city_production.h"
#include "ui/orders/corps_orders.h"
#include "ui/orders/embark_corps.h"
#include "ui/orders/fleet_orders.h"
#include "ui/orders/manpower_settings.h"
#include "ui/orders/selection_dialog.h"
#include "ui/orders/state_statistics.h"
#include "ui/orders/transfers.h"
#include "ui/orders/weapon_selection.h"
#include "world/brigade_rules.h"
#include "world/map_finder.h"
#include "world/realm_queries.h"
#include "world/save_load.h"

namespace {

class StartFileSweep : public OrderDialogTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam() + ".gmr"));
    // The corps dialog recounts after the brigade view, and city orders as they
    // open; start from recounted totals.
    RecountCorpsBrigades();
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
      for (const TViewBrgd::BrigadeRow& row : view->Rows)
        if (row.Rearm->Visible()) Click(*row.Rearm);
      Click(*view->Button11);
    } else if (auto* fleet = dynamic_cast<TFleetOrders*>(&form)) {
      Click(*fleet->OKBtn);
    } else if (auto* city = dynamic_cast<TCityOrder*>(&form)) {
      Click(*city->OKBtn);
    } else if (auto* states = dynamic_cast<TStatStat*>(&form)) {
      for (int row = 0; row < states->StatusBox->Count(); ++row) {
        states->StatusBox->SetTopIndex(row);
        ClickRow(*states->StatusBox, row);
      }
      Click(*states->Button1);
    } else if (auto* production = dynamic_cast<TCtyProdn*>(&form)) {
      for (int row = 0; row < production->FactoryLst->Count(); ++row) {
        production->FactoryLst->SetTopIndex(row);
        ClickRow(*production->FactoryLst, row);
      }
      Click(*production->Button1);
    } else if (auto* transfers = dynamic_cast<TTransfers*>(&form)) {
      Click(*transfers->Button1);
    } else if (auto* draft = dynamic_cast<TOrdDraft*>(&form)) {
      Click(*draft->Button1);
    } else if (auto* embark = dynamic_cast<TEmbarkCorps*>(&form)) {
      Click(*embark->Button1);
    } else if (auto* corps = dynamic_cast<TCorpsOrder*>(&form)) {
      Click(*corps->Button1);
      Click(*corps->Button2);
    } else if (auto* army = dynamic_cast<TArmyOrder*>(&form)) {
      Click(*army->Button1);
    } else {
      Click(*dynamic_cast<TNew_Wpn&>(form).Button1);
    }
  }

  // Opens the thing's dialogs and reports whether they changed the game.
  void Sweep(const std::string& what, const std::function<void()>& open) {
    TGameState before = GameState;
    open();
    TakeDocumentedWrites(before);
    EXPECT_EQ(std::memcmp(&before, &GameState, sizeof(TGameState)), 0)
        << what << " changed the game";
  }

  // A corps takes its city's works when its dialog opens; an army gives its
  // corps its orders, fresh routes and its base as their supply city.
  static void TakeDocumentedWrites(TGameState& before) {
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      TCorps& was = before.Corps[c];
      const TCorps& is = GameState.Corps[c];
      was.Entrenchment = is.Entrenchment;
      if (is.Army == 0) continue;
      was.Stance = is.Stance;
      was.March = is.March;
      was.SupplyType = is.SupplyType;
      was.SupplyPriority = is.SupplyPriority;
      was.DestX = is.DestX;
      was.DestY = is.DestY;
      was.Path = is.Path;
      was.City = is.City;
    }
  }
};

TEST_P(StartFileSweep, OpeningAndClosingEveryDialogChangesNothingUndocumented) {
  for (const int nation : {TNation::Union, TNation::Confederacy}) {
    CurrentSide = static_cast<std::uint16_t>(nation);
    const int camp = CampOfNation(nation);
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const TCorps& corps = GameState.Corps[c];
      if (corps.IsFree() || corps.Side != camp) continue;
      CurrentCorps = static_cast<std::uint16_t>(c);
      Sweep("corps " + std::to_string(c), [&] {
        ShowCorpsOrders();
        ShowBrigadeView();
        // What the finder lists on the corps' hex.
        ClickedHexX = corps.X;
        ClickedHexY = corps.Y;
        FinderCount = 0;
        FindCitiesAtHex();
        FindArmiesAtHex();
        FindCorpsAtHex();
        FindFleetsAtHex();
        ShowSelectionDialog();
      });
    }
    for (int a = 1; a <= GameState.Armies.Count; ++a) {
      CurrentArmy = static_cast<std::uint16_t>(a);
      if (!GameState.Armies[a].IsFree() && GameState.Armies[a].Nation == nation)
        Sweep("army " + std::to_string(a), ShowArmyOrders);
    }
    for (int city = 1; city <= GameState.Cities.Count; ++city) {
      CurrentCity = static_cast<std::uint16_t>(city);
      Sweep("city " + std::to_string(city), ShowCityOrders);
    }
    Sweep("states", ShowStateStats);
    Sweep("city production", ShowCityProduction);
    Sweep("transfers", ShowTransfers);
    Sweep("manpower", ShowManpowerSettings);
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      CurrentFleet = static_cast<std::uint16_t>(f);
      const TFleet& fleet = GameState.Fleets[f];
      if (!fleet.IsFree() && fleet.Side == camp)
        Sweep("fleet " + std::to_string(f), ShowFleetOrders);
    }
  }
  EXPECT_GT(session.Backend().ModalCount(), 100) << "the dialogs opened";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, StartFileSweep, ::testing::Values("1861", "1862", "1863"));

}  // namespace
