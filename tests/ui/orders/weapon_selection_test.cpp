// The weapon dialog: the stocks it shows, the weapons it lets the player
// check, and what Done writes.
#include "ui/orders/weapon_selection.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "ui/orders/order_dialogs.h"
#include "world/force_builders.h"

namespace {

class WeaponSelectionTest : public OrderDialogTest {
 protected:
  static U16& Stock(int weapon) { return GameState.Nations[TNation::Union].WeaponStock[weapon]; }

  // Shows the dialog for the brigade, lets `play` act, then presses Done.
  void Play(int brigade, const std::function<void(TNew_Wpn&)>& play) {
    OnModal([&](TForm& form) {
      auto& dialog = dynamic_cast<TNew_Wpn&>(form);
      play(dialog);
      Click(*dialog.Button1);
    });
    ShowWeaponSelection(brigade);
  }
};

TEST_F(WeaponSelectionTest, OnlyAnOfferedWeaponCanBeCheckedAndDoneIssuesIt) {
  for (int w = 1; w <= 8; ++w) Stock(w) = static_cast<std::uint16_t>(w * 10);
  const int b = AddBrigade({.strength = 20, .weapon = TWeapon::Muskets});
  Play(b, [&](TNew_Wpn& dialog) {
    EXPECT_EQ(dialog.Caption(), "text 411");
    EXPECT_EQ(dialog.GroupBox1->Caption(), "text 363");
    EXPECT_EQ(Owned<TLabel>(dialog, "Label3").Caption(), "text 659");
    EXPECT_EQ(dialog.StockLabels[4]->Caption(), "2500");  // shotguns in men
    EXPECT_EQ(dialog.StockLabels[5]->Caption(), "120");   // smoothbores in guns
    const bool offered[] = {false, true, true, false, false, false, false, false};
    for (int w = 1; w <= 8; ++w) EXPECT_EQ(dialog.RadioButtons[w - 1]->Enabled(), offered[w - 1]);
    Click(*dialog.RadioButtons[0]);
    EXPECT_FALSE(dialog.RadioButtons[0]->Checked());
    Click(*dialog.RadioButtons[2]);
  });
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Sharps);
  EXPECT_EQ(Stock(TWeapon::Muskets), 30);
  EXPECT_EQ(Stock(TWeapon::Sharps), 10);
}

TEST_F(WeaponSelectionTest, DoneWithNothingCheckedChangesNothing) {
  Stock(TWeapon::Springfields) = 80;
  const int b = AddBrigade({.weapon = TWeapon::Muskets});
  Play(b, [](TNew_Wpn&) {});
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Muskets);
  EXPECT_EQ(Stock(TWeapon::Springfields), 80);
  EXPECT_EQ(Stock(TWeapon::Muskets), 0);
}

}  // namespace
