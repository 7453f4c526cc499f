// The corps orders: changing the commander and what it costs, the army count
// a close leaves, brigade transfers up to the corps' capacity and down to its
// dissolution, and the brigade view nested in it.
#include "ui/orders/corps_orders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/controls/button.h"
#include "ui/orders/brigade_view.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/weapon_selection.h"
#include "world/brigade_rules.h"
#include "world/force_builders.h"
#include "world/force_slots.h"
#include "world/random.h"

namespace {

class CorpsOrdersTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    city = AddCity(10, 10, TSide::Union);
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    // Combat 10 lets a Union corps hold four brigades.
    commander = AddLeader({.status = TLeaderStatus::InCommand, .combat = 10, .modifier = 3});
    GiveCorpsCommander(corps, commander);
    for (int b = 0; b < 2; ++b) AddBrigade({.location = corps, .weapon = 1});
    for (int b = 0; b < 3; ++b) AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
    RecountCorpsBrigades();
    CurrentCorps = static_cast<std::uint16_t>(corps);
  }

  // Opens the corps orders, lets `play` act in them and presses OK. A message
  // box is answered with `answer`.
  void Play(const std::function<void(TCorpsOrder&)>& play, const std::string& answer = "OK") {
    OnModal([&](TForm& form) {
      if (auto* dialog = dynamic_cast<TCorpsOrder*>(&form)) {
        play(*dialog);
        Click(*dialog->Button2);
      } else if (form.Name() == "MessageDialog") {
        Click(Owned<TButton>(form, answer));
      } else {
        ADD_FAILURE() << "no answer for " << form.Name();
      }
    });
    ShowCorpsOrders();
  }

  static int RowOf(const TListBox& list, const std::string& text) {
    for (int row = 0; row < list.Count(); ++row)
      if (list.Items()[row] == text) return row;
    return -1;
  }

  // Moves one brigade: `to_garrison` picks "to" the city, else "from" it.
  void Transfer(TCorpsOrder& dialog, bool to_garrison) {
    Click(to_garrison ? *dialog.RadioButton13 : *dialog.RadioButton14);
    ClickRow(*dialog.ListBox5, 0);
  }

  int Brigades() const {
    return GameState.Corps[corps].OtherBrigades + GameState.Corps[corps].ArtilleryBrigades;
  }

  int city = 0, corps = 0, commander = 0;
};

TEST_F(CorpsOrdersTest, ReliefChargesTheCostItShowsAndTheNewCommanderBringsHisRatings) {
  const struct {
    int draw, cost;
  } rows[] = {{0, 3}, {9, 12}};
  for (const auto& row : rows) {
    const int present = GameState.Corps[corps].Leader;
    GameState.Leaders[present].Modifier = 3;
    const int chosen = AddLeader({.initiative = 7, .combat = 55});
    GameState.Nations[TNation::Union].WarScore = 100;
    window.ScriptChoices({1});
    ScriptRandomDraws({{10, row.draw}});
    Play([&](TCorpsOrder& dialog) {
      ClickRow(*dialog.ListBox2, RowOf(*dialog.ListBox2, GameState.Leaders[chosen].Name.str()));
    });
    EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 100 - row.cost);
    EXPECT_EQ(window.Notices().back().lines[2], std::to_string(row.cost) + "text 573");
    EXPECT_EQ(GameState.Leaders[present].Status, TLeaderStatus::Relieved);
    EXPECT_EQ(GameState.Leaders[chosen].Status, TLeaderStatus::InCommand);
    EXPECT_EQ(GameState.Corps[corps].Leader, chosen);
    EXPECT_EQ(GameState.Corps[corps].LeaderCombat, 55);
    EXPECT_EQ(GameState.Corps[corps].LeaderInitiative, 7);
  }
}

TEST_F(CorpsOrdersTest, ThePresentCommanderACancelOrASecondThoughtChangeNothing) {
  const int chosen = AddLeader({});
  const struct {
    int row;
    const char* answer;
    int choice;
  } rows[] = {{0, "OK", 0}, {1, "Cancel", 0}, {1, "OK", 2}};
  for (const auto& row : rows) {
    if (row.choice != 0) window.ScriptChoices({row.choice});
    Play([&](TCorpsOrder& dialog) { ClickRow(*dialog.ListBox2, row.row); }, row.answer);
    EXPECT_EQ(GameState.Corps[corps].Leader, commander) << row.row << row.answer;
    EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::InCommand);
    EXPECT_EQ(GameState.Leaders[chosen].Status, TLeaderStatus::Available);
    EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 0);
  }
}

TEST_F(CorpsOrdersTest, AnArmyCountsACorpsOnceHoweverOftenItsOrdersAreClosed) {
  const int first = AddArmy(10, 10, TSide::Union, TNation::Union);
  const int second = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(first);
  GameState.Armies[first].CorpsCount = 1;
  Play([](TCorpsOrder&) {});
  Play([](TCorpsOrder&) {});
  EXPECT_EQ(GameState.Armies[first].CorpsCount, 1);
  EXPECT_EQ(GameState.Armies[second].CorpsCount, 0);
  Play([&](TCorpsOrder& dialog) { ClickRow(*dialog.ListBox3, 2); });
  EXPECT_EQ(GameState.Corps[corps].Army, second);
  EXPECT_EQ(GameState.Armies[first].CorpsCount, 0);
  EXPECT_EQ(GameState.Armies[second].CorpsCount, 1);
}

TEST_F(CorpsOrdersTest, AFullCorpsTakesNoBrigadeFromTheGarrison) {
  ASSERT_EQ(GameState.Corps[corps].Capacity, 4);
  Play([&](TCorpsOrder& dialog) {
    EXPECT_TRUE(dialog.RadioButton14->Enabled());  // two of four
    Transfer(dialog, false);
    EXPECT_TRUE(dialog.RadioButton14->Enabled());  // one below capacity
    Transfer(dialog, false);
    EXPECT_EQ(Brigades(), 4);
    EXPECT_FALSE(dialog.RadioButton14->Enabled());
    // Even a handler called past the disabled button adds nobody.
    dialog.RadioButton14->SetChecked(true);
    dialog.RadioButton14Click(nullptr);
    dialog.ListBox5->SetItemIndex(0);
    dialog.ListBox5Click(nullptr);
    EXPECT_EQ(Brigades(), 4);
    Transfer(dialog, true);
    EXPECT_TRUE(dialog.RadioButton14->Enabled());
  });
}

TEST_F(CorpsOrdersTest, ADissolvedCorpsIsChargedTheWarnedCostAndGetsNothingWrittenBack) {
  GameState.Nations[TNation::Union].WarScore = 100;
  GameState.Corps[corps].Stance = TCombatStance::Defend;
  // A fleet in port sent for the corps has nothing left to carry.
  TFleet& fleet = GameState.Fleets[AddFleet(10, 10, TSide::Union, TNation::Union)];
  fleet.Corps = static_cast<std::uint8_t>(corps);
  fleet.HomePort = static_cast<std::uint8_t>(city);
  ScriptRandomDraws({{10, 9}});  // one draw only: the warning's cost is the one charged
  Play([&](TCorpsOrder& dialog) {
    Transfer(dialog, true);
    EXPECT_EQ(window.Notices().back().lines[2], "12text 576");
    Transfer(dialog, true);
    dialog.CombatStanceRadioGroup->SetItemIndex(TCombatStance::Advance);
  });
  const TCorps& record = GameState.Corps[corps];
  EXPECT_EQ(record.Inactive, 1);
  EXPECT_EQ(record.Stance, TCombatStance::Defend);
  EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::Relieved);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 100 - 12);
  EXPECT_EQ(fleet.Corps, 0);
  EXPECT_EQ(fleet.Mission, TFleetMission::Move);
}

TEST_F(CorpsOrdersTest, TheBrigadeViewAndWeaponsNestInsideAndTheTotalsAreRecountedAfter) {
  std::vector<std::string> opened;
  GameState.Corps[corps].Strength = 1;  // stale
  OnModal([&](TForm& form) {
    opened.push_back(form.Name());
    if (auto* dialog = dynamic_cast<TCorpsOrder*>(&form)) {
      Click(*dialog->Button1);
      EXPECT_EQ(opened.size(), 3u);  // both nested forms came and went
      EXPECT_EQ(GameState.Corps[corps].Strength, 160);
      EXPECT_EQ(dialog->Figures[1]->Caption(), "text 918000");
      Click(*dialog->Button2);
    } else if (auto* view = dynamic_cast<TViewBrgd*>(&form)) {
      Click(*view->Rows[0].Rearm);
      Click(*view->Button11);
    } else if (auto* weapons = dynamic_cast<TNew_Wpn*>(&form)) {
      Click(*weapons->Button1);
    }
  });
  ShowCorpsOrders();
  EXPECT_EQ(opened, (std::vector<std::string>{"TCorpsOrder", "TViewBrgd", "TNew_Wpn"}));
}

}  // namespace
