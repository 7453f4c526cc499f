// The army orders (the relief of its commander, and the orders and routes a
// close gives its corps) and the leader orders (the lists by class and
// status, temporary removal and promotion).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/controls/button.h"
#include "ui/orders/army_orders.h"
#include "ui/orders/leader_orders.h"
#include "ui/orders/order_dialogs.h"
#include "world/corps_path.h"
#include "world/force_builders.h"
#include "world/force_slots.h"
#include "world/random.h"
#include "world/route_finder.h"

namespace {

class ArmyOrdersTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    army = AddArmy(10, 10, TSide::Union, TNation::Union);
    commander = AddLeader({.rank = TLeaderClass::Army, .status = TLeaderStatus::InCommand, .modifier = 4});
    GameState.Armies[army].Leader = static_cast<std::uint8_t>(commander);
    objective = AddCity(14, 10, TSide::Confederate);
    GameState.Armies[army].AiTargetCity = static_cast<std::uint8_t>(objective);
    CurrentArmy = static_cast<std::uint16_t>(army);
  }

  void Play(const std::function<void(TArmyOrder&)>& play, const std::string& answer = "OK") {
    OnModal([&](TForm& form) {
      if (auto* dialog = dynamic_cast<TArmyOrder*>(&form)) {
        play(*dialog);
        Click(*dialog->Button1);
      } else if (form.Name() == "MessageDialog") {
        Click(Owned<TButton>(form, answer));
      }
    });
    ShowArmyOrders();
  }

  int AddCorpsOfArmy(int stance) {
    const int c = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.Corps[c].Army = static_cast<std::uint8_t>(army);
    GameState.Corps[c].Stance = static_cast<std::uint8_t>(stance);
    GameState.Corps[c].DestX = 3;
    return c;
  }

  int army = 0, commander = 0, objective = 0;
};

TEST_F(ArmyOrdersTest, ReliefCostsTwiceTheStandingAndFreesTheFormerCommander) {
  const struct {
    int draw, cost;
  } rows[] = {{0, 8}, {9, 17}};
  for (const auto& row : rows) {
    const int present = GameState.Armies[army].Leader;
    GameState.Leaders[present].Modifier = 4;
    const int chosen = AddLeader({.rank = TLeaderClass::Army});
    GameState.Nations[TNation::Union].WarScore = 100;
    window.ScriptChoices({1});
    ScriptRandomDraws({{10, row.draw}});
    Play([&](TArmyOrder& dialog) {
      ClickRow(*dialog.ListBox3, dialog.ListBox3->Count() - 1);  // the newest leader
    });
    EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 100 - row.cost);
    EXPECT_EQ(window.Notices().back().lines[2], std::to_string(row.cost) + "text 573");
    EXPECT_EQ(GameState.Leaders[present].Status, TLeaderStatus::Available);
    EXPECT_EQ(GameState.Leaders[chosen].Status, TLeaderStatus::InCommand);
    EXPECT_EQ(GameState.Armies[army].Leader, chosen);
  }
}

TEST_F(ArmyOrdersTest, ThePresentCommanderOrACancelChangeNothingAndCancelKeepsTheRow) {
  AddLeader({.rank = TLeaderClass::Army});
  Play([&](TArmyOrder& dialog) { ClickRow(*dialog.ListBox3, 0); });
  Play([&](TArmyOrder& dialog) {
    ClickRow(*dialog.ListBox3, 1);
    EXPECT_EQ(dialog.ListBox3->ItemIndex(), 1);
  }, "Cancel");
  EXPECT_EQ(GameState.Armies[army].Leader, commander);
  EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::InCommand);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(ArmyOrdersTest, ClosingRoutesAndOrdersTheCorpsButLeavesTravellersOnTheirWay) {
  const int standing = AddCorpsOfArmy(TCombatStance::Advance);
  const int embarked = AddCorpsOfArmy(TCombatStance::Embarked);
  const int by_rail = AddCorpsOfArmy(TCombatStance::ByRail);
  GameState.Armies[army].CorpsCount = 7;
  Play([&](TArmyOrder& dialog) {
    EXPECT_EQ(dialog.Label5->Caption(), "text 6143");
    Click(*dialog.RadioButtons[11]);  // Training
  });
  EXPECT_EQ(GameState.Armies[army].Stance, TCombatStance::Training);
  const TCorps& marching = GameState.Corps[standing];
  EXPECT_EQ(marching.Stance, TCombatStance::Defend);
  EXPECT_EQ(marching.DestX, GameState.Cities[objective].X);
  TCorps expected = marching;
  RouteTo(10, 10, 14, 10, kPathLength, kArmyRouteMode, TSide::Union, 1);
  LayRouteOnPath(expected, 1);
  for (int step = 1; step <= kPathLength; ++step) EXPECT_EQ(marching.Path[step], expected.Path[step]);
  for (const int c : {embarked, by_rail}) {
    EXPECT_NE(GameState.Corps[c].Stance, TCombatStance::Defend) << c;
    EXPECT_EQ(GameState.Corps[c].DestX, 3) << c;
  }
}

TEST_F(ArmyOrdersTest, TheRatingReadsTheReadinessAndItsWord) {
  GameState.Armies[army].Rating = 12;
  EXPECT_EQ(ArmyRatingText(GameState.Armies[army]), "text 9912/text 534");
  GameState.Armies[army].Rating = 101;
  EXPECT_EQ(ArmyRatingText(GameState.Armies[army]), "text 99101/");
}

class LeaderOrdersTest : public OrderDialogTest {
 protected:
  void Play(const std::function<void(TLeaderStatusForm&)>& play) {
    OnModal([&](TForm& form) {
      if (auto* dialog = dynamic_cast<TLeaderStatusForm*>(&form)) {
        play(*dialog);
        if (dialog->ModalResult() == mrNone) Click(*dialog->OKBtn);
      }
    });
    ShowLeaderOrders();
  }

  static std::vector<std::string> Listed(const TLeaderStatusForm& dialog) {
    std::vector<std::string> names;
    for (int row = 0; row < dialog.LdrList->Count(); ++row) names.push_back(dialog.LdrList->Items()[row]);
    return names;
  }
};

TEST_F(LeaderOrdersTest, EachFilterListsItsClassAndStatus) {
  const int army_active = AddLeader({.rank = TLeaderClass::Army, .status = TLeaderStatus::InCommand});
  AddLeader({.side = TSide::Confederate, .rank = TLeaderClass::Army, .status = TLeaderStatus::InCommand});
  const struct {
    int rank, status, filter;  // filter: the row of the filter table clicked
    bool listed;
  } rows[] = {{TLeaderClass::Cavalry, 201, 7, true},  {TLeaderClass::Cavalry, 229, 7, true},
              {TLeaderClass::Cavalry, 230, 7, false}, {TLeaderClass::Corps, 249, 8, true},
              {TLeaderClass::Corps, 200, 6, true},    {TLeaderClass::Divisional, 100, 5, true}};
  Play([&](TLeaderStatusForm& dialog) {
    EXPECT_EQ(Listed(dialog), std::vector<std::string>{GameState.Leaders[army_active].Name.str()});
  });
  for (const auto& row : rows) {
    const int leader = AddLeader({.rank = row.rank, .status = row.status});
    const int class_filter = row.rank == TLeaderClass::Divisional ? 0 : row.rank == TLeaderClass::Cavalry ? 1 : 2;
    Play([&](TLeaderStatusForm& dialog) {
      Click(*dialog.FilterButtons[class_filter]);
      dialog.FilterClick(row.filter);
      EXPECT_TRUE(dialog.FilterButtons[row.filter]->Checked());
      const std::vector<std::string> names = Listed(dialog);
      const bool listed = std::find(names.begin(), names.end(), GameState.Leaders[leader].Name.str()) != names.end();
      EXPECT_EQ(listed, row.listed) << row.status;
    });
    GameState.Leaders[leader].Side = 0;
  }
}

TEST_F(LeaderOrdersTest, TempRemoveAndPromoteActAndClose) {
  const int leader = AddLeader({.rank = TLeaderClass::Army, .status = TLeaderStatus::InCommand});
  Play([&](TLeaderStatusForm& dialog) {
    ClickRow(*dialog.LdrList, 0);
    EXPECT_TRUE(dialog.Button1->Visible());
    Click(*dialog.Button1);
  });
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::TemporarilyRemoved);

  const int corps_leader = AddLeader({.rank = TLeaderClass::Corps, .status = TLeaderStatus::InCommand});
  Play([&](TLeaderStatusForm& dialog) {
    Click(*dialog.FilterButtons[2]);
    ClickRow(*dialog.LdrList, 0);
    Click(*dialog.BitBtn1);
  });
  EXPECT_EQ(GameState.Leaders[corps_leader].Rank, TLeaderClass::Army);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "text 620");
}

}  // namespace
