// The brigade view: which brigades get a row and how it reads, reinforcing
// from a shared pool, and re-arming through the weapon dialog.
#include "ui/orders/brigade_view.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "platform/controls/check_box.h"
#include "platform/controls/radio_button.h"
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

  // Shows the view, lets `play` act on it (choosing a weapon in any weapon
  // dialog it opens), then returns to the corps orders.
  void Play(const std::function<void(TViewBrgd&)>& play, int weapon_chosen = 0) {
    OnModal([&](TForm& form) {
      if (auto* view = dynamic_cast<TViewBrgd*>(&form)) {
        play(*view);
        Click(*view->Button11);
      } else if (auto* weapons = dynamic_cast<TNew_Wpn*>(&form)) {
        if (weapon_chosen != 0) Click(*weapons->RadioButtons[weapon_chosen - 1]);
        Click(*weapons->Button1);
      }
    });
    ShowBrigadeView();
  }

  static int InCorps(BrigadeRecipe recipe) {
    recipe.location = CurrentCorps;
    return AddBrigade(recipe);
  }
  static U16& Stock(int weapon) { return GameState.Nations[TNation::Union].WeaponStock[weapon]; }
};

TEST_F(BrigadeViewTest, TenBrigadesOfTheCorpsGetRowsThatReadLikeTheirRecords) {
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = CurrentCorps});
  InCorps({.homeState = 0});
  InCorps({.arm = 0});
  const struct {
    int number, arm, strength, quality, weapon;
    const char *id, *quality_word, *shown, *weapon_word;
  } rows[] = {
      {1, TArm::Infantry, 80, 2, 1, "1st Penn", "Untried", "4000", "Muskets  "},
      {2, TArm::Cavalry, 50, 3, 5, "2nd Penn", "Trained", "2500", "Shotguns     "},
      {3, TArm::Artillery, 16, 4, 8, "3rd Penn", "Trained", "32", "Whitworths   "},
      {11, TArm::Infantry, 1, 5, 2, "11th Penn", "Veteran", "50", "Springfields "},
      {21, TArm::Infantry, 80, 8, 3, "21st Penn", "Veteran", "4000", "Sharps       "},
      {33, TArm::Infantry, 80, 9, 0, "33rd Penn", "Crack", "4000", ""},
      {41, TArm::Infantry, 80, 100, 1, "41st Penn", "Crack", "4000", "Muskets  "},
      {12, TArm::Infantry, 80, 101, 1, "12th Penn", "", "4000", "Muskets  "},
      {13, TArm::Infantry, 80, 0, 1, "13th Penn", "Untried", "4000", "Muskets  "},
      {22, TArm::Artillery, 0, 0, 6, "22nd Penn", "Untried", "0", "Smoothbores  "},
  };
  for (const auto& r : rows) {
    InCorps({.arm = r.arm, .strength = r.strength, .quality = r.quality, .weapon = r.weapon,
             .number = r.number});
  }
  InCorps({.number = 99});  // an eleventh: no row for it
  Play([&](TViewBrgd& view) {
    EXPECT_EQ(view.Caption(), "text 483");
    EXPECT_EQ(view.Button11->Caption(), "text 485");
    for (int r = 0; r < TViewBrgd::kRows; ++r) {
      const TViewBrgd::BrigadeRow& row = view.Rows[r];
      EXPECT_EQ(row.Id->Caption(), rows[r].id);
      EXPECT_EQ(row.Quality->Caption(), rows[r].quality_word) << r;
      EXPECT_EQ(row.Strength->Caption(), rows[r].shown) << r;
      EXPECT_EQ(row.Weapon->Caption(), rows[r].weapon_word) << r;
      EXPECT_TRUE(row.Rearm->Visible());
    }
    EXPECT_EQ(view.Rows[2].Arm->Caption(), "Arty");
    EXPECT_EQ(&Owned<TLabel>(view, "Label45"), view.Rows[9].Pool);
  });
}

TEST_F(BrigadeViewTest, ReinforcingDrawsOnThePoolItSharesWithBrigadesOfItsStateAndArm) {
  GameState.States[1].InfantryPoints = 30;
  GameState.States[1].CavalryPoints = 9;
  Stock(TWeapon::Muskets) = 100;
  Stock(TWeapon::Spencers) = 100;
  const int first = InCorps({.strength = 60, .quality = 4, .weapon = TWeapon::Muskets});
  InCorps({.strength = 70, .weapon = TWeapon::Muskets});
  InCorps({.arm = TArm::Cavalry, .strength = 10, .weapon = TWeapon::Spencers});
  InCorps({.weapon = TWeapon::Muskets});  // full: nothing to offer
  Play([&](TViewBrgd& view) {
    EXPECT_TRUE(view.Rows[2].Reinforce->Visible());
    EXPECT_FALSE(view.Rows[3].Reinforce->Visible());
    EXPECT_FALSE(view.Rows[3].Pool->Visible());
    EXPECT_EQ(view.Rows[1].Pool->Caption(), "1500");
    Click(*view.Rows[0].Reinforce);
    EXPECT_FALSE(view.Rows[0].Reinforce->Visible());
    EXPECT_EQ(view.Rows[0].Strength->Caption(), "4000");
    EXPECT_EQ(view.Rows[1].Pool->Caption(), "500") << "same state and arm";
    EXPECT_EQ(view.Rows[2].Pool->Caption(), "450") << "another arm";
  });
  EXPECT_EQ(GameState.Brigades[first].Strength, 80);
  EXPECT_EQ(GameState.Brigades[first].Quality, 3);
  EXPECT_EQ(GameState.States[1].InfantryPoints, 10);
  EXPECT_EQ(Stock(TWeapon::Muskets), 80);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(BrigadeViewTest, TheSecondOfTwoBrigadesSharingTooFewWeaponsIsToldSo) {
  GameState.States[1].InfantryPoints = 100;
  Stock(TWeapon::Sharps) = 30;
  InCorps({.strength = 60, .weapon = TWeapon::Sharps});
  const int second = InCorps({.strength = 60, .weapon = TWeapon::Sharps});
  Play([&](TViewBrgd& view) {
    Click(*view.Rows[0].Reinforce);
    Click(*view.Rows[1].Reinforce);
  });
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "Not enough weapons on hand");
  EXPECT_EQ(window.Notices()[0].lines[1], "to equip new troops");
  EXPECT_EQ(GameState.Brigades[second].Strength, 60);
  EXPECT_EQ(Stock(TWeapon::Sharps), 10);
}

TEST_F(BrigadeViewTest, TheWeaponButtonRearmsTheBrigadeAndItsRowShowsTheNewWeapon) {
  Stock(TWeapon::Springfields) = 80;
  const int b = InCorps({.weapon = TWeapon::Muskets});
  Play([&](TViewBrgd& view) {
    Click(*view.Rows[0].Rearm);
    EXPECT_EQ(view.Rows[0].Weapon->Caption(), "Springfields ");
  }, TWeapon::Springfields);
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Springfields);
  EXPECT_EQ(Stock(TWeapon::Muskets), 80);
}

}  // namespace
