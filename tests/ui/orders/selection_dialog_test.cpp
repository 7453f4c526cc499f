// The selection dialog: its rows, what a pick opens or tells, and the choice
// between an own corps' orders and setting its objective.
#include "ui/orders/selection_dialog.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "ui/orders/order_dialogs.h"
#include "world/force_builders.h"
#include "world/corps_command.h"
#include "world/map_finder.h"

namespace {

class SelectionDialogTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    city = AddCity(10, 10, TSide::Union);
    GameState.Cities[city].Name = "Harrisburg";
    army = AddArmy(10, 10, TSide::Union, TNation::Union);
    GameState.Armies[army].Name = "Army of the Potomac";
    own = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.Corps[own].Leader = static_cast<std::uint8_t>(AddLeader({}));
    enemy = AddCorps(10, 10, TSide::Confederate, TNation::Confederacy);
    GameState.Corps[enemy].Leader =
        static_cast<std::uint8_t>(AddLeader({.side = TSide::Confederate}));
    GameState.Corps[enemy].OtherBrigades = 6;
    GameState.Corps[enemy].ArtilleryBrigades = 2;
    GameState.Corps[enemy].Entrenchment = 3;
    fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
    GameState.Fleets[fleet].Number = 7;
  }

  void Find(std::initializer_list<TFinderResult> entries) {
    FinderCount = 0;
    for (const TFinderResult& entry : entries) FinderResults[++FinderCount] = entry;
  }

  // Shows the dialog, lets `play` act on it, then presses Exit.
  void Play(const std::function<void(TSelecDlg&)>& play) {
    OnModal([&](TForm& form) {
      if (auto* dialog = dynamic_cast<TSelecDlg*>(&form)) {
        play(*dialog);
        Click(*dialog->Button1);
      }
    });
    ShowSelectionDialog();
  }

  std::vector<std::string> Rows(TSelecDlg& dialog) {
    std::vector<std::string> rows;
    for (int r = 0; r < dialog.SelectListBox->Count(); ++r)
      rows.push_back(dialog.SelectListBox->Items()[r]);
    return rows;
  }

  int city = 0, army = 0, own = 0, enemy = 0, fleet = 0;
};

TEST_F(SelectionDialogTest, ListsEachFoundThingByNameSkippingEntriesOfNothing) {
  Find({{static_cast<std::uint16_t>(city), kFoundCity},
        {0, kFoundCorps},
        {static_cast<std::uint16_t>(army), kFoundArmy},
        {static_cast<std::uint16_t>(own), 9},
        {static_cast<std::uint16_t>(own), kFoundCorps},
        {static_cast<std::uint16_t>(fleet), kFoundFleet}});
  Play([&](TSelecDlg& dialog) {
    EXPECT_EQ(dialog.Caption(), "text 583");
    EXPECT_EQ(Rows(dialog), (std::vector<std::string>{"Harrisburg", "Army of the Potomac",
                                                      LeaderName(GameState.Corps[own].Leader),
                                                      "text 17"}));
    EXPECT_FALSE(dialog.SelectCorpsRadioGroup->Visible());
  });
  // The finder's whole list of twenty fits, and its last row can be picked.
  FinderCount = 20;
  for (int e = 1; e <= 20; ++e) FinderResults[e] = {static_cast<std::uint16_t>(fleet), kFoundFleet};
  Play([&](TSelecDlg& dialog) {
    EXPECT_EQ(dialog.SelectListBox->Count(), 20);
    dialog.SelectListBox->SetTopIndex(19);
    ClickRow(*dialog.SelectListBox, 19);
  });
  EXPECT_EQ(FinderCount, 20);
}

// Entries of nothing between the rows must not move a pick onto the wrong thing.
TEST_F(SelectionDialogTest, APickMakesItsThingCurrentAndLeavesItsEntryNumberInFinderCount) {
  const struct {
    int row, entry;
    std::uint16_t* current;
    int* index;
  } cases[] = {
      {0, 2, &CurrentCity, &city},
      {1, 4, &CurrentArmy, &army},
      {2, 5, &CurrentFleet, &fleet},
      {3, 6, &CurrentCorps, &own},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    Find({{0, kFoundCity},
          {static_cast<std::uint16_t>(city), kFoundCity},
          {0, kFoundArmy},
          {static_cast<std::uint16_t>(army), kFoundArmy},
          {static_cast<std::uint16_t>(fleet), kFoundFleet},
          {static_cast<std::uint16_t>(own), kFoundCorps}});
    CurrentCity = CurrentArmy = CurrentFleet = CurrentCorps = 0;
    CorpsPicked = 1;
    InfoClick = 0;
    Play([&](TSelecDlg& dialog) { ClickRow(*dialog.SelectListBox, c.row); });
    EXPECT_EQ(FinderCount, c.entry);
    EXPECT_EQ(*c.current, *c.index);
    EXPECT_EQ(CorpsPicked, 0);
    EXPECT_EQ(InfoClick, 1);
  }
}

TEST_F(SelectionDialogTest, AnEnemyCorpsIsOnlyDescribedAndAnOwnOneOffersOrdersOrItsObjective) {
  Find({{static_cast<std::uint16_t>(enemy), kFoundCorps},
        {static_cast<std::uint16_t>(own), kFoundCorps}});
  Play([&](TSelecDlg& dialog) {
    ClickRow(*dialog.SelectListBox, 0);
    ASSERT_EQ(window.Notices().size(), 1u);
    const RecordedNotice& notice = window.Notices()[0];
    EXPECT_EQ(notice.kind, 0);
    EXPECT_EQ(notice.lines[0], LeaderName(GameState.Corps[enemy].Leader));
    EXPECT_EQ(notice.lines[1], "text 906");
    EXPECT_EQ(notice.lines[2], "text 922");
    EXPECT_EQ(notice.lines[3], "text 953");
    EXPECT_FALSE(dialog.SelectCorpsRadioGroup->Visible());

    ClickRow(*dialog.SelectListBox, 1);
    EXPECT_EQ(window.Notices().size(), 1u);
    EXPECT_TRUE(dialog.SelectCorpsRadioGroup->Visible());
    EXPECT_EQ(dialog.SelectCorpsRadioGroup->ItemIndex(), 1);
    EXPECT_EQ(DragActive, 0) << "checking Set Objective from the code arms nothing";

    Click(*dialog.SelectCorpsRadioGroup->Buttons(1));  // the item already checked still acts
    EXPECT_EQ(DragActive, 1);
    EXPECT_EQ(InfoClick, 0);
  });
  EXPECT_EQ(CurrentCorps, own);
  EXPECT_EQ(FinderCount, 2);
  EXPECT_EQ(DragActive, 1) << "closing the dialog keeps the drag armed";
}

TEST_F(SelectionDialogTest, ExitWithoutAPickOrAClickBesideTheRowsLeavesTheSelectionAsItWas) {
  Find({{static_cast<std::uint16_t>(city), kFoundCity},
        {static_cast<std::uint16_t>(fleet), kFoundFleet}});
  CurrentFleet = 3;
  CorpsPicked = 1;
  Play([&](TSelecDlg& dialog) {
    const TRect below = dialog.SelectListBox->ItemRect(1);
    session.Backend().Click(dialog.SelectListBox->ClientToScreen({10, below.Bottom + 30}));
  });
  EXPECT_EQ(FinderCount, 2);
  EXPECT_EQ(CurrentCity, 0);
  EXPECT_EQ(CurrentFleet, 3);
  EXPECT_EQ(CorpsPicked, 1);
}

}  // namespace
