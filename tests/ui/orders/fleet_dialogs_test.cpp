// The fleet dialogs through the headless backend: what fleet orders does while
// it fills itself and writes when it closes, embarking, merging and splitting,
// and raising a fleet.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dialog_fixture.h"
#include "platform/controls/check_box.h"
#include "ui/orders/embark_corps.h"
#include "ui/orders/fleet_orders.h"
#include "ui/orders/merge_fleets.h"
#include "ui/orders/raise_fleet.h"
#include "world/codes.h"

namespace {

// A Union fleet of two transports (lift 600) lying in its home port, a sea
// port in the seaboard theatre, with a corps of 50 men (load 500) alongside.
class FleetDialogsTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    port = AddCity(10, 10, TSide::Union);
    GameState.Cities[port].SeaPort = 1;
    fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
    Fleet().HomePort = static_cast<std::uint8_t>(port);
    Fleet().Ships[3] = 2;
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.Corps[corps].Strength = 50;
    CurrentFleet = static_cast<std::uint16_t>(fleet);
  }
  static TFleet& Fleet(int f) { return GameState.Fleets[f]; }
  TFleet& Fleet() const { return GameState.Fleets[fleet]; }

  // Runs the fleet orders with `play` acting in it; every other dialog is
  // recorded and closed with its OK button after `nested` acted in it.
  void Play(
      const std::function<void(TFleetOrders&)>& play,
      const std::function<void(TForm&)>& nested = [](TForm&) {}) {
    OnModal([&](TForm& form) {
      opened.push_back(form.Name());
      if (auto* orders = dynamic_cast<TFleetOrders*>(&form)) {
        play(*orders);
        Click(*orders->OKBtn);
      } else {
        nested(form);
        Click(*FindOwned<TControl>(form, "Button1"));
      }
    });
    ShowFleetOrders();
  }

  int port = 0, fleet = 0, corps = 0;
  std::vector<std::string> opened;
};

// Ordered home while one hex north of its port, the fleet is sent home as the
// dialog fills; an amphibious fleet in port offers its corps before the dialog is up.
// Every label of the design is there, the caption of the ship counts among
// them, and none cuts its caption off.
TEST_F(FleetDialogsTest, FleetOrdersHasEveryLabelOfItsDesign) {
  Play([&](TFleetOrders& orders) {
    EXPECT_EQ(MissingOrCutLabels(orders, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 21,
                                          22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}),
              std::vector<std::string>{});
    EXPECT_TRUE(Owned<TLabel>(orders, "Label34").Visible());
  });
}

TEST_F(FleetDialogsTest, TheMissionsHandlerRunsWhileTheDialogFillsItself) {
  struct Row {
    int mission, y, objective;
    std::vector<std::string> opened;
    std::vector<bool> offered;
  };
  const std::vector<Row> rows = {
      {2, 9, 1, {"TFleetOrders"}, {false, false, true, false, false, false, false}},
      {2, 10, 0, {"TFleetOrders"}, {true, true, true, false, true, true, true}},
      {6, 10, 0, {"TEmbarkCorps", "TFleetOrders"}, {true, true, true, false, true, true, true}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mission * 100 + row.y);
    Fleet().Mission = static_cast<std::uint8_t>(row.mission);
    Fleet().Objective = 0;
    Fleet().Y = static_cast<std::uint8_t>(row.y);
    opened.clear();
    std::vector<bool> offered;
    Play([&](TFleetOrders& dialog) {
      for (TRadioButton* radio : dialog.RadioButtons) offered.push_back(radio->Enabled());
    });
    EXPECT_EQ(opened, row.opened);
    EXPECT_EQ(offered, row.offered);
    EXPECT_EQ(Fleet().Objective, row.objective == 0 ? 0 : port);
    EXPECT_EQ(Fleet().Mission, row.mission);
  }
}

// Missions from Move (Abort) on are written only with a new objective; the
// amphibious list never offers cities 85 and 86.
TEST_F(FleetDialogsTest, ObjectivesAndTheMissionsTheyCarry) {
  for (int c : {84, 85, 86}) {
    GameState.Cities[c] = GameState.Cities[port];
    GameState.Cities[c].Side = TSide::Confederate;
  }
  struct Row {
    int button, clickedRow, mission, objective, rowsListed;
  };
  const Row rows[] = {{4, -1, 0, 0, 4}, {1, -1, 1, 0, -1}, {4, 3, 4, 86, 4}, {6, 1, 6, 84, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button);
    Fleet().Mission = 0, Fleet().Objective = 0;
    int listed = -1;
    Play([&](TFleetOrders& dialog) {
      Click(*dialog.RadioButtons[row.button]);
      if (row.rowsListed < 0) return;
      Click(*dialog.CheckBoxes[1]);
      listed = dialog.ListBox2->Count();
      if (row.clickedRow >= 0) ClickRow(*dialog.ListBox2, row.clickedRow);
    });
    EXPECT_EQ(listed, row.rowsListed);
    EXPECT_EQ(Fleet().Mission, row.mission);
    EXPECT_EQ(Fleet().Objective, row.objective);
  }
}

// A second corps clicked goes aboard and the first goes ashore as it stood;
// merging every ship hands the corps to the partner with the fleet's supplies.
TEST_F(FleetDialogsTest, EmbarkingAndMergingKeepCorpsAndFleetPointingAtEachOther) {
  const int second = AddCorps(10, 10, TSide::Union, TNation::Union);
  GameState.Corps[corps].Stance = 2;
  Fleet().Mission = 6;
  Play([](TFleetOrders&) {},
       [&](TForm& form) {
         auto& embark = dynamic_cast<TEmbarkCorps&>(form);
         ClickRow(*embark.ListBox1, 0);
         ClickRow(*embark.ListBox1, 1);
       });
  EXPECT_EQ(
      std::tuple(Fleet().Corps, GameState.Corps[second].Stance, GameState.Corps[corps].Stance),
      std::tuple(second, TCombatStance::Embarked, 2));

  const int partner = AddFleet(10, 10, TSide::Union, TNation::Union);
  Fleet(partner).Ships[2] = 1;
  Fleet().Mission = 0, Fleet().Supplies = 30;
  Play([&](TFleetOrders& dialog) { Click(*dialog.CheckBoxes[2]); },
       [&](TForm& form) { ClickRow(*dynamic_cast<TMergeLst&>(form).ListBox1, 0); });
  EXPECT_TRUE(Fleet().IsFree() && CurrentFleet == 0);
  EXPECT_EQ(std::tuple(Fleet(partner).Corps, Fleet(partner).Ships[3], Fleet(partner).Supplies),
            std::tuple(second, 2, 30));
}

// Every row table holds the whole game table it lists: 99 partners, 120 corps.
TEST_F(FleetDialogsTest, MoreThan86FleetsOrCorpsOnAHexAreAllListed) {
  while (AddFleet(10, 10, TSide::Union, TNation::Union) < GameState.Fleets.Count) {
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) Fleet(f).Ships[3] = 2;
  while (AddCorps(10, 10, TSide::Union, TNation::Union) < GameState.Corps.Count) {
  }
  int partners = 0, listed = 0;
  OnModal([&](TForm& form) {
    auto& merge = dynamic_cast<TMergeLst&>(form);
    partners = merge.ListBox1->Count();
    merge.ListBox1->SetTopIndex(partners - 1);
    ClickRow(*merge.ListBox1, partners - 1);
    Click(*merge.Button1);
  });
  const MergeChoice choice = ShowMergeFleets(MergeMode::Merge);
  OnModal([&](TForm& form) {
    auto& embark = dynamic_cast<TEmbarkCorps&>(form);
    listed = embark.ListBox1->Count();
    Click(*embark.Button1);
  });
  ShowEmbarkCorps();
  EXPECT_EQ(partners, GameState.Fleets.Count - 1);
  EXPECT_EQ(choice.partner, GameState.Fleets.Count);
  EXPECT_EQ(listed, GameState.Corps.Count);
}

// Three ironclads at a yard for 4, their costs exactly covered (what one short
// does is shown with the shipyard's rules).
TEST_F(FleetDialogsTest, RaisingAFleetPaysForIt) {
  GameState.Cities[port].ShipyardA = 4;
  GameState.Cities[port].Theatre = TTheatre::Seaboard;
  TNationRec& union_ = GameState.Nations[TNation::Union];
  union_.BuildPoints = 6;
  union_.Supplies[TTheatre::Seaboard] = 600;
  int most = 0;
  OnModal([&](TForm& form) {
    auto& raise = dynamic_cast<TRaiseFleet&>(form);
    for (int button : {0, 2}) Click(*raise.RadioButtons[button]);
    ClickRow(*raise.ListBox1, 0);
    // The free capacity, the manpower and the ship count beside their
    // captions, the costs under theirs; the kind chosen stays checked.
    const auto label = [&](int n) -> const TLabel& {
      return Owned<TLabel>(form, "Label" + std::to_string(n));
    };
    EXPECT_TRUE(Beside(*raise.Label2, label(7)));
    EXPECT_TRUE(Beside(*raise.Label14, label(10)));
    EXPECT_TRUE(Beside(*raise.SpinEdit1, label(1)));
    for (int line : {11, 12, 13}) EXPECT_GE(label(line).Top(), label(15).BoundsRect().Bottom);
    EXPECT_TRUE(raise.RadioButtons[0]->Checked() && !raise.RadioButtons[0]->Enabled());
    most = raise.SpinEdit1->MaxValue();
    raise.SpinEdit1->SetValue(3);
    Click(*raise.OKBtn);
  });
  ShowRaiseFleet();
  EXPECT_EQ(most, 4);
  EXPECT_EQ(union_.BuildPoints + union_.Supplies[TTheatre::Seaboard], 0);
  EXPECT_EQ(Fleet(GameState.Fleets.Count).Ships[1], 3);
}

}  // namespace
