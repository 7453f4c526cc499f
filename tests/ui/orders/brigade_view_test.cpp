// The brigade view: which brigades get a row, how it reads, and when it
// offers reinforcement.
#include "ui/orders/brigade_view.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "platform/controls/check_box.h"
#include "platform/graphics/canvas.h"
#include "world/force_builders.h"
#include "world/text_table.h"

namespace {

class BrigadeViewTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    CurrentCorps = static_cast<std::uint16_t>(AddCorps(10, 10, TSide::Union, TNation::Union));
    GameState.States[1].ShortName = "Penn";
  }
  // Shows the view, lets `look` at it, then returns to the corps orders.
  void Show(const std::function<void(TViewBrgd&)>& look) {
    OnModal([&](TForm& form) {
      look(dynamic_cast<TViewBrgd&>(form));
      Click(*dynamic_cast<TViewBrgd&>(form).Button11);
    });
    ShowBrigadeView();
  }
  static int InCorps(BrigadeRecipe recipe) {
    recipe.location = CurrentCorps;
    return AddBrigade(recipe);
  }
};

// Ten rows, for the corps' own brigades with a home state and an arm; the
// quality word changes above 2, 4, 8 and 100, and artillery counts in guns.
// Reinforcement, with the pool beside it, is offered to a supplied corps
// (status below 2) when the stock arms every man wanted; it draws on the pool
// the brigade shares with those of its state and arm.
TEST_F(BrigadeViewTest, TenBrigadesOfTheCorpsGetRowsThatReadLikeTheirRecords) {
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = CurrentCorps});
  InCorps({.homeState = 0});
  InCorps({.arm = 0});
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Springfields] = 79;
  GameState.States[1].InfantryPoints = 10;
  GameState.States[1].CavalryPoints = 1;
  const struct {
    int number, arm, strength, quality, weapon;
    const char* reads;
    bool offered;  // when supplied
  } rows[] = {
      {1, TArm::Infantry, 80, 2, 1, "1st Penn|Inf|Untried|4000|Muskets  ", false},
      {2, TArm::Cavalry, 50, 3, 5, "2nd Penn|Cav|Trained|2500|Shotguns     ", false},
      {3, TArm::Artillery, 16, 4, 8, "3rd Penn|Arty|Trained|32|Whitworths   ", false},
      {11, TArm::Infantry, 1, 5, 2, "11th Penn|Inf|Veteran|50|Springfields ", true},  // stock exact
      {21, TArm::Infantry, 80, 8, 3, "21st Penn|Inf|Veteran|4000|Sharps       ", false},
      {33, TArm::Infantry, 80, 9, 0, "33rd Penn|Inf|Crack|4000|", false},
      {41, TArm::Infantry, 80, 100, 1, "41st Penn|Inf|Crack|4000|Muskets  ", false},
      {12, TArm::Infantry, 79, 101, 1, "12th Penn|Inf||3950|Muskets  ", false},  // stock one short
      {13, TArm::Infantry, 80, 0, 1, "13th Penn|Inf|Untried|4000|Muskets  ", false},
      {22, TArm::Artillery, 0, 0, 6, "22nd Penn|Arty|Untried|0|Smoothbores  ", false},
  };
  for (const auto& r : rows) {
    InCorps({.arm = r.arm,
             .strength = r.strength,
             .quality = r.quality,
             .weapon = r.weapon,
             .number = r.number});
  }
  InCorps({.number = 99});  // an eleventh: no row for it
  for (const int supply : {2, 1}) {
    GameState.Corps[CurrentCorps].SupplyStatus = static_cast<std::uint8_t>(supply);
    Show([&](TViewBrgd& view) {
      for (int r = 0; r < TViewBrgd::kRows; ++r) {
        const TViewBrgd::BrigadeRow& row = view.Rows[r];
        EXPECT_EQ(row.Id->Caption() + "|" + row.Arm->Caption() + "|" + row.Quality->Caption() +
                      "|" + row.Strength->Caption() + "|" + row.Weapon->Caption(),
                  rows[r].reads);
        EXPECT_EQ(row.Reinforce->Visible(), rows[r].offered && supply < 2) << rows[r].reads;
        EXPECT_EQ(row.Pool->Visible(), rows[r].offered && supply < 2) << rows[r].reads;
      }
      if (supply == 2) return;
      // Reinforcing the 11th empties the infantry pool the 1st shares, not the cavalry's.
      Click(*view.Rows[3].Reinforce);
      EXPECT_EQ(view.Rows[0].Pool->Caption() + "|" + view.Rows[1].Pool->Caption(), "0|50");
    });
  }
}

// Each heading of the text stands over its own column, brigade, arm,
// quality, men, reinforce box, pool and weapon, apart from the others; no
// heading or cell is cut off by its width.
TEST_F(BrigadeViewTest, EachHeadingStandsOverItsOwnColumn) {
  ASSERT_TRUE(LoadTextTable(std::string(GRAYMARCH_GAME_DIR) + "/GMR_ENG.TXT"));
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Springfields] = 500;
  GameState.States[1].InfantryPoints = 2000;
  GameState.States[1].ShortName = "Mass";
  InCorps({.strength = 10, .quality = 6, .weapon = TWeapon::Springfields, .number = 133});
  InCorps({.arm = TArm::Artillery, .strength = 16, .weapon = TWeapon::Smoothbores, .number = 22});
  Show([&](TViewBrgd& view) {
    EXPECT_EQ(view.Headings[0], view.Label1);
    const std::vector<std::string> words = {"Brigade",   "Arm",  "Quality", "Men",
                                            "Reinforce", "Pool", "Weapon"};
    const TViewBrgd::BrigadeRow& row = view.Rows[0];
    const TControl* column[] = {row.Id,        row.Arm,  row.Quality, row.Strength,
                                row.Reinforce, row.Pool, row.Weapon};
    ASSERT_TRUE(row.Reinforce->Visible());
    for (int h = 0; h < TViewBrgd::kHeadings; ++h) {
      const TLabel& heading = *view.Headings[h];
      EXPECT_TRUE(heading.Visible());
      EXPECT_EQ(heading.Caption(), words[h]);
      const TRect over = heading.BoundsRect();
      const TRect cell = column[h]->BoundsRect();
      EXPECT_TRUE(over.Left <= cell.Left && cell.Right <= over.Right) << words[h];
      EXPECT_LT(over.Bottom, cell.Top + 1) << words[h];
      for (int other = 0; other < TViewBrgd::kHeadings; ++other) {
        if (other == h) continue;
        const TRect elsewhere = column[other]->BoundsRect();
        EXPECT_TRUE(elsewhere.Right <= over.Left || over.Right <= elsewhere.Left)
            << words[h] << " stands over the column of " << words[other];
      }
    }
    for (const TViewBrgd::BrigadeRow& shown : {view.Rows[0], view.Rows[1]}) {
      for (const TLabel* label : {shown.Id, shown.Arm, shown.Quality, shown.Strength, shown.Pool,
                                  shown.Weapon, view.Headings[4]}) {
        TCanvas measure;
        measure.Font.Assign(label->Font());
        EXPECT_LE(measure.TextWidth(label->Caption()), label->Width()) << label->Caption();
      }
    }
  });
}

}  // namespace
