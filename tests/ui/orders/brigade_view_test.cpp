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
    GameState.States[2].ShortName = "Ohio";
  }

  // Shows the view, lets `play` act on it, then returns to the corps orders.
  void Play(const std::function<void(TViewBrgd&)>& play,
            const std::function<void(TNew_Wpn&)>& choose_weapon = {}) {
    OnModal([&](TForm& form) {
      if (auto* view = dynamic_cast<TViewBrgd*>(&form)) {
        play(*view);
        Click(*view->Button11);
      } else if (auto* weapons = dynamic_cast<TNew_Wpn*>(&form)) {
        if (choose_weapon) choose_weapon(*weapons);
        Click(*weapons->Button1);
      }
    });
    ShowBrigadeView();
  }

  int InCorps(BrigadeRecipe recipe) {
    recipe.location = CurrentCorps;
    return AddBrigade(recipe);
  }
};

TEST_F(BrigadeViewTest, TenBrigadesOfTheCorpsGetRowsThatReadLikeTheirRecords) {
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = CurrentCorps});
  InCorps({.homeState = 0});
  InCorps({.arm = 0});
  const struct {
    int number, arm, strength, quality, weapon;
    const char *id, *arm_word, *quality_word, *men, *weapon_word;
  } rows[] = {
      {1, TArm::Infantry, 80, 2, 1, "1st Penn", "Inf", "Untried", "4000", "Muskets  "},
      {2, TArm::Cavalry, 50, 3, 5, "2nd Penn", "Cav", "Trained", "2500", "Shotguns     "},
      {3, TArm::Artillery, 16, 4, 8, "3rd Penn", "Arty", "Trained", "32", "Whitworths   "},
      {11, TArm::Infantry, 1, 5, 2, "11th Penn", "Inf", "Veteran", "50", "Springfields "},
      {21, TArm::Infantry, 80, 8, 3, "21st Penn", "Inf", "Veteran", "4000", "Sharps       "},
      {33, TArm::Infantry, 80, 9, 0, "33rd Penn", "Inf", "Crack", "4000", ""},
      {41, TArm::Infantry, 80, 100, 1, "41st Penn", "Inf", "Crack", "4000", "Muskets  "},
      {12, TArm::Infantry, 80, 101, 1, "12th Penn", "Inf", "", "4000", "Muskets  "},
      {13, TArm::Infantry, 80, 0, 1, "13th Penn", "Inf", "Untried", "4000", "Muskets  "},
      {22, TArm::Artillery, 0, 0, 6, "22nd Penn", "Arty", "Untried", "0", "Smoothbores  "},
  };
  for (const auto& r : rows) {
    InCorps({.arm = r.arm, .strength = r.strength, .quality = r.quality, .weapon = r.weapon,
             .number = r.number});
  }
  InCorps({.number = 99});  // an eleventh brigade: no row for it
  Play([&](TViewBrgd& view) {
    EXPECT_EQ(view.Caption(), "text 483");
    EXPECT_EQ(view.Label1->Caption(), "text 484");
    EXPECT_EQ(view.Button11->Caption(), "text 485");
    for (int r = 0; r < TViewBrgd::kRows; ++r) {
      SCOPED_TRACE(r);
      const TViewBrgd::BrigadeRow& row = view.Rows[r];
      EXPECT_TRUE(row.Id->Visible());
      EXPECT_EQ(row.Id->Caption(), rows[r].id);
      EXPECT_EQ(row.Arm->Caption(), rows[r].arm_word);
      EXPECT_EQ(row.Quality->Caption(), rows[r].quality_word);
      EXPECT_EQ(row.Strength->Caption(), rows[r].men);
      EXPECT_EQ(row.Weapon->Caption(), rows[r].weapon_word);
      EXPECT_EQ(row.Rearm->Caption(), "text 486");
    }
    EXPECT_EQ(&Owned<TLabel>(view, "Label45"), view.Rows[9].Pool);
    EXPECT_EQ(&Owned<TCheckBox>(view, "CheckBox10"), view.Rows[9].Reinforce);
  });
}

TEST_F(BrigadeViewTest, EmptyRowsStayHiddenAndNoCorpsOpensNothing) {
  InCorps({.number = 1});
  Play([&](TViewBrgd& view) {
    EXPECT_TRUE(view.Rows[0].Rearm->Visible());
    for (TControl* control : view.Rows[1].Controls()) EXPECT_FALSE(control->Visible());
  });
  CurrentCorps = 0;
  const int shown = session.Backend().ModalCount();
  ShowBrigadeView();
  EXPECT_EQ(session.Backend().ModalCount(), shown);
}

TEST_F(BrigadeViewTest, ReinforcingDrawsOnThePoolItSharesWithBrigadesOfItsStateAndArm) {
  GameState.States[1].InfantryPoints = 30;
  GameState.States[1].CavalryPoints = 9;
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets] = 100;
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Spencers] = 100;
  const int first = InCorps({.strength = 60, .quality = 4, .weapon = TWeapon::Muskets});
  InCorps({.strength = 70, .weapon = TWeapon::Muskets});
  InCorps({.arm = TArm::Cavalry, .strength = 10, .weapon = TWeapon::Spencers});
  InCorps({.strength = 70, .homeState = 2, .weapon = TWeapon::Muskets});
  InCorps({.weapon = TWeapon::Muskets});  // full: nothing to offer
  Play([&](TViewBrgd& view) {
    const bool offered[] = {true, true, true, true, false};
    for (int r = 0; r < 5; ++r) EXPECT_EQ(view.Rows[r].Reinforce->Visible(), offered[r]) << r;
    EXPECT_EQ(view.Rows[0].Pool->Caption(), "1500");
    EXPECT_EQ(view.Rows[2].Pool->Caption(), "450");

    Click(*view.Rows[0].Reinforce);
    EXPECT_FALSE(view.Rows[0].Reinforce->Visible());
    EXPECT_EQ(view.Rows[0].Strength->Caption(), "4000");
    EXPECT_EQ(view.Rows[1].Pool->Caption(), "500") << "same state and arm";
    EXPECT_EQ(view.Rows[2].Pool->Caption(), "450") << "another arm";
    EXPECT_EQ(view.Rows[3].Pool->Caption(), "0") << "another state";
  });
  EXPECT_EQ(GameState.Brigades[first].Strength, 80);
  EXPECT_EQ(GameState.Brigades[first].Quality, 3);
  EXPECT_EQ(GameState.States[1].InfantryPoints, 10);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets], 80);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(BrigadeViewTest, TheSecondOfTwoBrigadesSharingTooFewWeaponsIsToldSo) {
  GameState.States[1].InfantryPoints = 100;
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Sharps] = 30;
  InCorps({.strength = 60, .weapon = TWeapon::Sharps});
  const int second = InCorps({.strength = 60, .weapon = TWeapon::Sharps});
  Play([&](TViewBrgd& view) {
    Click(*view.Rows[0].Reinforce);
    Click(*view.Rows[1].Reinforce);
    EXPECT_FALSE(view.Rows[1].Reinforce->Visible());
  });
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "Not enough weapons on hand");
  EXPECT_EQ(window.Notices()[0].lines[1], "to equip new troops");
  EXPECT_EQ(GameState.Brigades[second].Strength, 60);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Sharps], 10);
}

TEST_F(BrigadeViewTest, ACorpsOutOfSupplyOffersNoReinforcement) {
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets] = 100;
  InCorps({.strength = 40, .weapon = TWeapon::Muskets});
  for (const auto& [status, offered] : {std::pair{1, true}, {2, false}}) {
    GameState.Corps[CurrentCorps].SupplyStatus = static_cast<std::uint8_t>(status);
    Play([&](TViewBrgd& view) { EXPECT_EQ(view.Rows[0].Reinforce->Visible(), offered) << status; });
  }
}

TEST_F(BrigadeViewTest, TheWeaponButtonRearmsTheBrigadeAndItsRowShowsTheNewWeapon) {
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Springfields] = 80;
  const int b = InCorps({.weapon = TWeapon::Muskets});
  Play([&](TViewBrgd& view) {
        Click(*view.Rows[0].Rearm);
        EXPECT_EQ(view.Rows[0].Weapon->Caption(), "Springfields ");
      },
      [&](TNew_Wpn& weapons) { Click(*weapons.RadioButtons[TWeapon::Springfields - 1]); });
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Springfields);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Springfields], 0);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets], 80);
}

}  // namespace
