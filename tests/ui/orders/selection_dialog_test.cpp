// The selection dialog: its rows, what a pick opens or tells, and the choice
// between an own corps' orders and setting its objective.
#include "ui/orders/selection_dialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialog_fixture.h"
#include "ui/orders/order_dialogs.h"
#include "world/corps_command.h"
#include "world/force_builders.h"
#include "world/map_finder.h"

namespace {

class SelectionDialogTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    city = AddCity(10, 10, TSide::Union);
    army = AddArmy(10, 10, TSide::Union, TNation::Union);
    own = AddCorps(10, 10, TSide::Union, TNation::Union);
    enemy = AddCorps(10, 10, TSide::Confederate, TNation::Confederacy);
    fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
    GameState.Cities[city].Name = "Harrisburg";
    GameState.Armies[army].Name = "Army of the Potomac";
    GameState.Corps[own].Leader = static_cast<std::uint8_t>(AddLeader({}));
    GameState.Fleets[fleet].Number = 7;
  }
  void Find(const std::vector<std::pair<int, int>>& index_and_kind) {
    FinderCount = 0;
    for (const auto& [index, kind] : index_and_kind) {
      FinderResults[++FinderCount] = {static_cast<std::uint16_t>(index),
                                      static_cast<std::uint16_t>(kind)};
    }
  }
  // Shows the dialog, lets `play` act on it, then presses Exit.
  void Play(const std::function<void(TSelecDlg&)>& play) {
    OnModal([&](TForm& form) {
      auto& dialog = dynamic_cast<TSelecDlg&>(form);
      play(dialog);
      Click(*dialog.Button1);
    });
    ShowSelectionDialog();
  }

  int city = 0, army = 0, own = 0, enemy = 0, fleet = 0;
};

// Entries of nothing (index 0 or an unknown kind) get no row and must not move
// a pick onto the wrong thing; the pick leaves its entry number in FinderCount.
TEST_F(SelectionDialogTest, APickMakesItsThingCurrentWhateverEntriesOfNothingLieBetween) {
  const struct {
    int row, entry;
    std::string text;
    std::uint16_t* current;
    int index;
  } cases[] = {{0, 2, "Harrisburg", &CurrentCity, city},
               {1, 4, "Army of the Potomac", &CurrentArmy, army},
               {2, 6, "text 17", &CurrentFleet, fleet},
               {3, 7, LeaderName(GameState.Corps[own].Leader), &CurrentCorps, own}};
  for (const auto& c : cases) {
    Find({{0, kFoundCity},
          {city, kFoundCity},
          {0, kFoundArmy},
          {army, kFoundArmy},
          {own, 9},
          {fleet, kFoundFleet},
          {own, kFoundCorps}});
    CurrentCity = CurrentArmy = CurrentFleet = CurrentCorps = 0;
    Play([&](TSelecDlg& dialog) {
      ASSERT_EQ(dialog.SelectListBox->Count(), 4);
      EXPECT_EQ(dialog.SelectListBox->Items()[c.row], c.text);
      ClickRow(*dialog.SelectListBox, c.row);
    });
    EXPECT_EQ(FinderCount, c.entry) << "row " << c.row;
    EXPECT_EQ(*c.current, c.index) << "row " << c.row;
  }
}

// The finder's whole list of twenty fits, and its last row can be picked.
TEST_F(SelectionDialogTest, TwentyEntriesGetTwentyRows) {
  Find(std::vector<std::pair<int, int>>(20, {fleet, kFoundFleet}));
  Play([&](TSelecDlg& dialog) {
    EXPECT_EQ(dialog.SelectListBox->Count(), 20);
    dialog.SelectListBox->SetTopIndex(19);
    ClickRow(*dialog.SelectListBox, 19);
  });
  EXPECT_EQ(CurrentFleet, fleet);
}

// An enemy corps is only described; an own one offers its orders or, checked
// at once, setting its objective, which arms the drag only when clicked.
TEST_F(SelectionDialogTest, AnEnemyCorpsIsOnlyDescribedAndAnOwnOneOffersOrdersOrItsObjective) {
  GameState.Corps[enemy].OtherBrigades = 6;
  Find({{enemy, kFoundCorps}, {own, kFoundCorps}});
  Play([&](TSelecDlg& dialog) {
    ClickRow(*dialog.SelectListBox, 0);
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0].lines[1], "text 906");  // its brigades
    EXPECT_FALSE(dialog.SelectCorpsRadioGroup->Visible());
    ClickRow(*dialog.SelectListBox, 1);
    EXPECT_TRUE(dialog.SelectCorpsRadioGroup->Visible());
    EXPECT_EQ(DragActive, 0);
    Click(*dialog.SelectCorpsRadioGroup->Buttons(1));  // the item already checked still acts
    EXPECT_EQ(DragActive, 1);
  });
  EXPECT_EQ(window.Notices().size(), 1u);
}

}  // namespace
