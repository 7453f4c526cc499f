// The brigade view and the weapon dialog it opens: which brigades get a row and
// how it reads, the reinforcement offer and the pool it shares, and re-arming.
#include "ui/orders/brigade_view.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "platform/controls/check_box.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/weapon_selection.h"
#include "world/force_builders.h"

namespace {

class BrigadeViewTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    CurrentCorps = static_cast<std::uint16_t>(AddCorps(10, 10, TSide::Union, TNation::Union));
    GameState.States[1].ShortName = "Penn";
  }
  // Shows the view, lets `play` act on it and `choose` on any weapon dialog it
  // opens, then returns to the corps orders.
  void Play(
      const std::function<void(TViewBrgd&)>& play,
      const std::function<void(TNew_Wpn&)>& choose = [](TNew_Wpn&) {}) {
    OnModal([&](TForm& form) {
      if (auto* view = dynamic_cast<TViewBrgd*>(&form)) play(*view), Click(*view->Button11);
      if (auto* weapons = dynamic_cast<TNew_Wpn*>(&form))
        choose(*weapons), Click(*weapons->Button1);
    });
    ShowBrigadeView();
  }
  static int InCorps(BrigadeRecipe recipe) {
    recipe.location = CurrentCorps;
    return AddBrigade(recipe);
  }
  static U16& Stock(int weapon) { return GameState.Nations[TNation::Union].WeaponStock[weapon]; }
};

// Ten rows, for the corps' own brigades with a home state and an arm; the
// quality word changes above 2, 4, 8 and 100.
TEST_F(BrigadeViewTest, TenBrigadesOfTheCorpsGetRowsThatReadLikeTheirRecords) {
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = CurrentCorps});
  InCorps({.homeState = 0});
  InCorps({.arm = 0});
  const struct {
    int number, arm, strength, quality, weapon;
    const char* reads;
  } rows[] = {
      {1, TArm::Infantry, 80, 2, 1, "1st Penn|Inf|Untried|4000|Muskets  "},
      {2, TArm::Cavalry, 50, 3, 5, "2nd Penn|Cav|Trained|2500|Shotguns     "},
      {3, TArm::Artillery, 16, 4, 8, "3rd Penn|Arty|Trained|32|Whitworths   "},
      {11, TArm::Infantry, 1, 5, 2, "11th Penn|Inf|Veteran|50|Springfields "},
      {21, TArm::Infantry, 80, 8, 3, "21st Penn|Inf|Veteran|4000|Sharps       "},
      {33, TArm::Infantry, 80, 9, 0, "33rd Penn|Inf|Crack|4000|"},
      {41, TArm::Infantry, 80, 100, 1, "41st Penn|Inf|Crack|4000|Muskets  "},
      {12, TArm::Infantry, 80, 101, 1, "12th Penn|Inf||4000|Muskets  "},
      {13, TArm::Infantry, 80, 0, 1, "13th Penn|Inf|Untried|4000|Muskets  "},
      {22, TArm::Artillery, 0, 0, 6, "22nd Penn|Arty|Untried|0|Smoothbores  "},
  };
  for (const auto& r : rows) {
    InCorps({.arm = r.arm,
             .strength = r.strength,
             .quality = r.quality,
             .weapon = r.weapon,
             .number = r.number});
  }
  InCorps({.number = 99});  // an eleventh: no row for it
  Play([&](TViewBrgd& view) {
    for (int r = 0; r < TViewBrgd::kRows; ++r) {
      const TViewBrgd::BrigadeRow& row = view.Rows[r];
      EXPECT_EQ(row.Id->Caption() + "|" + row.Arm->Caption() + "|" + row.Quality->Caption() + "|" +
                    row.Strength->Caption() + "|" + row.Weapon->Caption(),
                rows[r].reads);
    }
  });
}

// The offer, and the pool beside it, follow the rules' gate: a supplied corps
// (status below 2) and stock for every man wanted.
TEST_F(BrigadeViewTest, ReinforcingIsOfferedAtTheGateOfTheRules) {
  Stock(TWeapon::Muskets) = 1;
  Stock(TWeapon::Sharps) = 1;
  InCorps({.strength = 79, .weapon = TWeapon::Muskets});  // stock exactly enough
  InCorps({.strength = 78, .weapon = TWeapon::Sharps});   // stock one short
  for (const int supply : {1, 2}) {
    GameState.Corps[CurrentCorps].SupplyStatus = static_cast<std::uint8_t>(supply);
    Play([&](TViewBrgd& view) {
      for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(view.Rows[r].Reinforce->Visible(), r == 0 && supply < 2) << r;
        EXPECT_EQ(view.Rows[r].Pool->Visible(), r == 0 && supply < 2) << r;
      }
    });
  }
}

// Brigades of one state and arm draw on one pool; the second of two brigades
// sharing too few weapons is told so and stays as it was.
TEST_F(BrigadeViewTest, ReinforcingDrawsOnThePoolItSharesWithBrigadesOfItsStateAndArm) {
  GameState.States[1].InfantryPoints = 30;
  GameState.States[1].CavalryPoints = 9;
  Stock(TWeapon::Muskets) = 25;
  Stock(TWeapon::Spencers) = 100;
  const int first = InCorps({.strength = 60, .quality = 4, .weapon = TWeapon::Muskets});
  const int second = InCorps({.strength = 70, .weapon = TWeapon::Muskets});
  InCorps({.arm = TArm::Cavalry, .strength = 10, .weapon = TWeapon::Spencers});
  Play([&](TViewBrgd& view) {
    EXPECT_EQ(view.Rows[1].Pool->Caption(), "1500");
    Click(*view.Rows[0].Reinforce);
    EXPECT_EQ(view.Rows[0].Strength->Caption(), "4000");
    EXPECT_EQ(view.Rows[1].Pool->Caption(), "500") << "same state and arm";
    EXPECT_EQ(view.Rows[2].Pool->Caption(), "450") << "another arm";
    Click(*view.Rows[1].Reinforce);
  });
  EXPECT_EQ(GameState.Brigades[first].Strength, 80);
  EXPECT_EQ(GameState.Brigades[first].Quality, 3);
  EXPECT_EQ(GameState.States[1].InfantryPoints, 10);
  EXPECT_EQ(GameState.Brigades[second].Strength, 70);
  EXPECT_EQ(Stock(TWeapon::Muskets), 5);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "Not enough weapons on hand");
}

// Re-arming: the weapon dialog offers the arm's weapons with stock for every man
// (shown in men, in guns from smoothbores on), and Done issues the one checked.
TEST_F(BrigadeViewTest, TheWeaponButtonRearmsTheBrigadeWithWhatTheStockArms) {
  for (int w = 1; w <= 8; ++w) Stock(w) = static_cast<std::uint16_t>(w * 10);
  const int b = InCorps({.strength = 20, .weapon = TWeapon::Muskets});
  Play(
      [&](TViewBrgd& view) {
        Click(*view.Rows[0].Rearm);
        EXPECT_EQ(view.Rows[0].Weapon->Caption(), "Sharps   ");
      },
      [&](TNew_Wpn& dialog) {
        EXPECT_EQ(dialog.StockLabels[4]->Caption(), "2500");
        EXPECT_EQ(dialog.StockLabels[5]->Caption(), "120");
        for (int w = 1; w <= 8; ++w)
          EXPECT_EQ(dialog.RadioButtons[w - 1]->Enabled(), w == 2 || w == 3);
        Click(*dialog.RadioButtons[2]);
      });
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Sharps);
  EXPECT_EQ(Stock(TWeapon::Muskets), 30);
  EXPECT_EQ(Stock(TWeapon::Sharps), 10);
}

}  // namespace
