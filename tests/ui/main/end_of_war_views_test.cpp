// The dialogs of the war's close: the election count on its map and the
// victory summary's verdicts and buttons.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/column_headings.h"
#include "ui/main/views/election_dialog.h"
#include "ui/main/views/victory.h"
#include "ui/orders/dialog_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

// The colours at every fill point of the state (Michigan has one on each peninsula).
std::vector<TColor> ColoursAtThePointsOf(const TBitmap& map, int state) {
  std::vector<TColor> colours;
  for (const ElectionFillPoint& fill : ElectionFillPoints()) {
    if (fill.state == state) colours.push_back(map.Pixel(fill.point.X, fill.point.Y));
  }
  return colours;
}

class EndOfWarViewsTest : public OrderDialogTest {
 protected:
  template <class Form>
  void Play(std::function<void(Form&)> play) {
    OnModal([play](TForm& form) { play(dynamic_cast<Form&>(form)); });
  }
};

// States 3 and 7 vote; 3 stays with the incumbent, 7 goes to the challenger,
// and each colour lands at all of its own state's points and at no other.
TEST_F(EndOfWarViewsTest, TheCountFloodsEachStateInItsWinnersColour) {
  constexpr TColor kBlue = RGB(0, 0, 255);
  constexpr TColor kRed = RGB(255, 0, 0);
  for (int s : {3, 7}) {
    GameState.States[s].Side = TSide::Union;
    GameState.States[s].Weight = 6;
    GameState.States[s].Loyalty = 50;
  }
  GameState.Nations[TNation::Confederacy].WarScore = 1000;
  ScriptRandomDraws({{500, 0}, {500, 0}, {500, 0}, {500, 0},
                     {500, 499}, {500, 499}, {500, 499}, {500, 499}});
  int pauses = 0;
  Play<TElection>([&](TElection& dialog) {
    EXPECT_EQ(dialog.Caption(), "text 593");
    EXPECT_FALSE(dialog.Button1->Visible());
    Click(*dialog.Button2);
    EXPECT_TRUE(dialog.Button1->Visible());
    EXPECT_FALSE(dialog.Button2->Visible());
    EXPECT_EQ(dialog.Label1->Caption(), "6");
    EXPECT_EQ(dialog.Label2->Caption(), "6");
    EXPECT_EQ(dialog.Label7->Caption(), "text 589");
    const TBitmap& map = dialog.Image1->Picture();
    EXPECT_EQ(ColoursAtThePointsOf(map, 3), std::vector<TColor>{kBlue});
    EXPECT_EQ(ColoursAtThePointsOf(map, 7), (std::vector<TColor>{kRed, kRed}));
    for (TColor colour : ColoursAtThePointsOf(map, 5)) {
      EXPECT_NE(colour, kBlue);
      EXPECT_NE(colour, kRed);
    }
    Click(*dialog.Button1);
  });
  ShowElection([&](unsigned ms) {
    EXPECT_GT(ms, 0u);
    ++pauses;
  });
  EXPECT_EQ(pauses, 2);
  EXPECT_EQ(GameState.States[3].Loyalty, 50) << "a tie keeps the incumbent";
}

TEST_F(EndOfWarViewsTest, TheSummaryJudgesTheWarAndContinuesOnce) {
  GameState.TerritorialPoints[TNation::Union] = 12;
  GameState.Casualties[TNation::Confederacy] = 3;
  GameState.MilitaryPoints[TNation::Confederacy] = 1;
  GameState.MilitaryPoints[TNation::Union] = 2;
  GameOverCode = 1;
  Play<TVictory>([&](TVictory& dialog) {
    EXPECT_EQ(dialog.Label(9).Caption(), "12");
    EXPECT_EQ(dialog.Label(19).Caption(), "150");
    EXPECT_EQ(dialog.Label(2).Caption(), "text 647");
    EXPECT_EQ(dialog.Label(25).Caption(), "text 646");
    EXPECT_EQ(dialog.Label(26).Caption(), "text 642") << "21 against 10";
    EXPECT_EQ(dialog.Label(27).Caption(), "text 639");
    for (int row = 0; row < 7; ++row) {
      const TLabel& union_figure = dialog.Label(9 + row);
      const TLabel& confederate_figure = dialog.Label(16 + row);
      EXPECT_TRUE(HeadedBy(dialog, union_figure, "Union")) << row;
      EXPECT_TRUE(HeadedBy(dialog, confederate_figure, "Confederate")) << row;
      EXPECT_FALSE(HeadedBy(dialog, confederate_figure, "Union")) << row;
      EXPECT_FALSE(OnTheEmblem(dialog, confederate_figure)) << row;
    }
    Click(*dialog.Button1);
  });
  ShowPostMortem();
  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(GameState.EndMonth, 6);
  Play<TVictory>([&](TVictory& dialog) { Click(*dialog.Button2); });
  ShowPostMortem();
  EXPECT_EQ(GameOverCode, 1);
}

}  // namespace
