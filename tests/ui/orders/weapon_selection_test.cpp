// The weapon dialog: the stocks it shows, the weapons it offers, and what it
// writes once done.
#include "ui/orders/weapon_selection.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "ui/orders/order_dialogs.h"
#include "world/force_builders.h"

namespace {

class WeaponSelectionTest : public OrderDialogTest {
 protected:
  U16& Stock(int weapon) { return GameState.Nations[TNation::Union].WeaponStock[weapon]; }

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

TEST_F(WeaponSelectionTest, ShowsTheStocksAndOffersTheArmsWeaponsThatArmEveryMan) {
  for (int w = 1; w <= 8; ++w) Stock(w) = static_cast<std::uint16_t>(w * 10);
  const struct {
    int arm, strength;
    std::array<bool, 8> offered;
  } cases[] = {
      {TArm::Infantry, 20, {false, true, true, false, false, false, false, false}},
      {TArm::Infantry, 21, {false, false, true, false, false, false, false, false}},
      {TArm::Cavalry, 40, {false, false, false, true, true, false, false, false}},
      {TArm::Cavalry, 41, {false, false, false, false, true, false, false, false}},
      {TArm::Artillery, 70, {false, false, false, false, false, false, true, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "arm " << c.arm << " strength " << c.strength);
    const int b = AddBrigade({.arm = c.arm, .strength = c.strength});
    Play(b, [&](TNew_Wpn& dialog) {
      EXPECT_EQ(dialog.Caption(), "text 411");
      EXPECT_EQ(dialog.Button1->Caption(), "text 66");
      EXPECT_EQ(dialog.GroupBox1->Caption(), "text 363");
      EXPECT_EQ(Owned<TLabel>(dialog, "Label3").Caption(), "text 659");
      EXPECT_EQ(dialog.StockLabels[4]->Caption(), "2500");
      EXPECT_EQ(dialog.StockLabels[5]->Caption(), "120");
      for (int w = 1; w <= 8; ++w) {
        EXPECT_EQ(dialog.RadioButtons[w - 1]->Enabled(), c.offered[w - 1]) << w;
        EXPECT_FALSE(dialog.RadioButtons[w - 1]->Checked());
      }
      Click(*dialog.RadioButtons[0]);  // a weapon not offered cannot be checked
      EXPECT_FALSE(dialog.RadioButtons[0]->Checked());
    });
    EXPECT_EQ(GameState.Brigades[b].Weapon, 0);
  }
  for (int w = 1; w <= 8; ++w) EXPECT_EQ(Stock(w), w * 10);
}

TEST_F(WeaponSelectionTest, DoneRearmsTheBrigadeFromTheStocks) {
  const struct {
    const char* why;
    int old_weapon, checked;
    int weapon_after, muskets_after, sharps_after;
  } cases[] = {
      {"muskets handed in for sharps", 1, 3, 3, 70, 0},
      {"the same weapon again", 1, 1, 1, 30, 40},
      {"an unarmed brigade only takes", 0, 3, 3, 30, 0},
      {"nothing checked", 1, 0, 1, 30, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Stock(TWeapon::Muskets) = 30;
    Stock(TWeapon::Sharps) = 40;
    const int b = AddBrigade({.strength = 40, .weapon = c.old_weapon});
    Play(b, [&](TNew_Wpn& dialog) {
      if (c.checked != 0) Click(*dialog.RadioButtons[c.checked - 1]);
    });
    EXPECT_EQ(GameState.Brigades[b].Weapon, c.weapon_after);
    EXPECT_EQ(Stock(TWeapon::Muskets), c.muskets_after);
    EXPECT_EQ(Stock(TWeapon::Sharps), c.sharps_after);
    GameState.Brigades[b] = TBrigade{};
  }
}

}  // namespace
