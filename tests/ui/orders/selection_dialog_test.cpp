// The selection dialog: a row for each thing the finder lists, and a pick that
// makes its thing current.
#include "ui/orders/selection_dialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialog_fixture.h"
#include "world/corps_command.h"
#include "world/map_finder.h"

namespace {

class SelectionDialogTest : public OrderDialogTest {
 protected:
  // Lists the entries, shows the dialog, lets `play` act on it, then presses
  // Exit; a dialog a pick opens is closed untouched.
  void Play(const std::vector<TFinderResult>& entries,
            const std::function<void(TSelecDlg&)>& play) {
    FinderCount = 0;
    for (const TFinderResult& entry : entries) FinderResults[++FinderCount] = entry;
    OnModal([&](TForm& form) {
      if (auto* dialog = dynamic_cast<TSelecDlg*>(&form)) {
        play(*dialog);
        Click(*dialog->Button1);
      } else {
        form.SetModalResult(mrOk);  // the orders a pick opens
      }
    });
    ShowSelectionDialog();
  }
  static TFinderResult Entry(int index, int kind) {
    return {static_cast<std::uint16_t>(index), static_cast<std::uint16_t>(kind)};
  }
};

// Entries of nothing (index 0 or an unknown kind) get no row and must not move
// a pick onto the wrong thing; the pick leaves its entry number in FinderCount.
TEST_F(SelectionDialogTest, APickMakesItsThingCurrentWhateverEntriesOfNothingLieBetween) {
  const int city = AddCity(10, 10, TSide::Union);
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  const int fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
  GameState.Cities[city].Name = "Harrisburg";
  GameState.Fleets[fleet].Number = 7;
  const struct {
    int row, entry;
    std::string text;
    std::uint16_t* current;
    int index;
  } cases[] = {{0, 2, "Harrisburg", &CurrentCity, city},
               {1, 4, GameState.Armies[army].Name.str(), &CurrentArmy, army},
               {2, 6, "text 17", &CurrentFleet, fleet},
               {3, 7, LeaderName(GameState.Corps[corps].Leader), &CurrentCorps, corps}};
  for (const auto& c : cases) {
    CurrentCity = CurrentArmy = CurrentFleet = CurrentCorps = 0;
    Play({Entry(0, kFoundCity), Entry(city, kFoundCity), Entry(0, kFoundArmy),
          Entry(army, kFoundArmy), Entry(corps, 9), Entry(fleet, kFoundFleet),
          Entry(corps, kFoundCorps)},
         [&](TSelecDlg& dialog) {
           EXPECT_EQ(dialog.SelectListBox->Items()[c.row], c.text);
           ClickRow(*dialog.SelectListBox, c.row);
         });
    EXPECT_EQ(FinderCount, c.entry) << "row " << c.row;
    EXPECT_EQ(*c.current, c.index) << "row " << c.row;
  }
  EXPECT_TRUE(window.Notices().empty()) << "only an enemy corps is described";
}

// The finder's whole list of twenty fits, and its last row can be picked.
TEST_F(SelectionDialogTest, TwentyEntriesGetTwentyRows) {
  const int fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
  Play(std::vector<TFinderResult>(20, Entry(fleet, kFoundFleet)), [&](TSelecDlg& dialog) {
    dialog.SelectListBox->SetTopIndex(19);
    ClickRow(*dialog.SelectListBox, 19);
  });
  EXPECT_EQ(CurrentFleet, fleet);
}

}  // namespace
