// The set-up dialog: what its side and play-mode handlers show and choose,
// and that Done hands the choices to the campaign set-up.
#include "ui/main/start/setup_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "platform/backend/headless_backend.h"
#include "support/overlapping_controls.h"
#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/file_io.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

class SetupDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameFileName = PathOf("Game1.");
    // As every start file holds them.
    GameState.Nations[TNation::Union].Human = 1;
    GameState.Nations[TNation::Confederacy].Human = 1;
    GameState.Nations[TNation::Confederacy].Capital = kRichmond;
    GameState.Nations[TNation::France].Attitude = 60;
    GameState.AiPlans[1].Limit = 9;
    GameState.Leaders[1].Side = TSide::Union;
    GameState.Leaders[1].Combat = 40;
  }

  // Shows the dialog, lets `play` act, then presses Done.
  void Play(const std::function<void(TSetUp&)>& play) {
    session.Backend().SetModalHook([&](TForm& form) {
      ExpectControlsApart(form);
      auto& dialog = dynamic_cast<TSetUp&>(form);
      play(dialog);
      Click(*dialog.Button1);
    });
    ShowSetupOptions();
  }
  void Click(const TControl& control) { session.Backend().Click(control); }

  THeadlessSession session;
};

TEST_F(SetupDialogTest, TheDefaultsKeepTwoHumansFaceToFaceAndDoneRestoresIndustry) {
  GameState.PlayMode = 1;
  GameState.States[3].BaseIndustry = 80;
  Play([](TSetUp& dialog) {
    EXPECT_EQ(dialog.Label(4).Caption(), "text 681");
    EXPECT_FALSE(dialog.Group(8).Visible() || dialog.Group(7).Visible());
    EXPECT_TRUE(dialog.Radio(28).Visible() && dialog.Radio(28).Checked());
  });
  EXPECT_EQ(GameState.PlayMode, 0);
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].Human, 1);
  EXPECT_EQ(GameState.AiPlans[1].Limit, 9);
  EXPECT_EQ(GameState.States[3].Industry, 80);
}

// A side switched to the computer and back keeps its hidden advantage pick,
// which is not given to a human side; the labels click their radio buttons.
TEST_F(SetupDialogTest, AnAdvantageLeftBehindAHumanSideIsNotGiven) {
  Play([&](TSetUp& dialog) {
    Click(dialog.Label(5));
    EXPECT_TRUE(dialog.Group(8).Visible() && dialog.Radio(21).Checked());
    EXPECT_FALSE(dialog.Radio(28).Visible() || dialog.Radio(28).Checked());
    Click(dialog.Radio(23));
    Click(dialog.Label(4));
    EXPECT_TRUE(!dialog.Group(8).Visible() && dialog.Radio(23).Checked());
    EXPECT_TRUE(dialog.Radio(28).Visible() && dialog.Radio(28).Checked());
  });
  EXPECT_EQ(GameState.Leaders[1].Combat, 40);
}

TEST_F(SetupDialogTest, MailThenAComputerSideLeavesNoMailGame) {
  Play([&](TSetUp& dialog) {
    Click(dialog.Label(25));
    EXPECT_EQ(GameState.PlayMode, 4);
    Click(dialog.Radio(6));
    EXPECT_FALSE(dialog.Radio(28).Checked() || dialog.Radio(29).Checked());
  });
  EXPECT_EQ(GameState.PlayMode, 0);
  EXPECT_EQ(GameState.AiPlans[1].Limit, 0);
}

// Kentucky and Missouri may join only before August 1861.
TEST_F(SetupDialogTest, TheBorderStatesAreOfferedUntilJuly1861) {
  for (auto [month, year, offered] : {std::tuple{7, 1861, true}, {8, 1861, false}, {1, 1862, false}}) {
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
    Play([&](TSetUp& dialog) {
      EXPECT_EQ(dialog.CheckBox1->Visible() && dialog.Label(38).Visible(), offered) << month << "/" << year;
    });
  }
}

// A game saved in its first month comes back to its set-up with its own
// choices offered; a value the set-up does not offer leaves the default.
TEST_F(SetupDialogTest, ASavedGameOffersTheChoicesItHolds) {
  TNationRec& confederacy = GameState.Nations[TNation::Confederacy];
  const struct {
    const char* what;
    std::function<void()> hold;
    int radio;
  } rows[] = {
      {"Union computer", [] { GameState.Nations[TNation::Union].Human = 0; }, 4},
      {"Union human", [] { GameState.Nations[TNation::Union].Human = 1; }, 3},
      {"Confederate computer", [&] { confederacy.Human = 0; }, 6},
      {"ratings in view", [] { GameState.ShowLeaderRatings = 1; }, 9},
      {"ratings hidden", [] { GameState.ShowLeaderRatings = 0; }, 8},
      {"full campaign", [] { GameState.ExtensionMark = 5; }, 20},
      {"not extended", [] { GameState.ExtensionMark = 4; }, 27},
      {"Atlanta", [&] { confederacy.Capital = kAtlanta; }, 15},
      {"Richmond", [&] { confederacy.Capital = kRichmond; }, 13},
      {"emancipation", [&] { confederacy.PolicyStatus = 11; }, 18},
      {"policy under way", [&] { confederacy.PolicyStatus = 2; }, 10},
      {"good chance", [] { GameState.Nations[TNation::France].Attitude = 10; }, 19},
      {"no chance", [] { GameState.Nations[TNation::France].Attitude = 500; }, 16},
      {"other attitude", [] { GameState.Nations[TNation::France].Attitude = 61; }, 17},
  };
  for (const auto& row : rows) {
    const TGameState kept = GameState;
    row.hold();
    TSetUp dialog;
    dialog.Fill();
    EXPECT_TRUE(dialog.Radio(row.radio).Checked()) << row.what;
    GameState = kept;
  }
}

// Done keeps a saved game's sides and capital, and the capital's move is not
// paid for twice.
TEST_F(SetupDialogTest, DoneOnASavedGameKeepsItsSidesAndCapital) {
  TNationRec& confederacy = GameState.Nations[TNation::Confederacy];
  GameState.Nations[TNation::Union].Human = 0;
  confederacy.Capital = kMontgomery;
  GameState.Cities[kMontgomery].Value = 30;
  GameState.Cities[kRichmond].Value = 40;
  Play([](TSetUp& dialog) {
    EXPECT_TRUE(dialog.Group(8).Visible() && dialog.Radio(21).Checked());
    EXPECT_FALSE(dialog.Radio(28).Visible() || dialog.Radio(28).Checked());
  });
  EXPECT_EQ(GameState.Nations[TNation::Union].Human, 0);
  EXPECT_EQ(confederacy.Human, 1);
  EXPECT_EQ(confederacy.Capital, kMontgomery);
  EXPECT_EQ(GameState.Cities[kMontgomery].Value, 30);
  EXPECT_EQ(GameState.Cities[kRichmond].Value, 40);
}

// The start files hold the defaults, so a new campaign's set-up is unchanged.
TEST_F(SetupDialogTest, EveryStartFileOffersTheDefaults) {
  for (const char* file : {"1861.gmr", "1862.gmr", "1863.gmr"}) {
    const FileImage image = ReadFileImage(std::string(GRAYMARCH_GAME_DIR) + "/" + file, kGameFileSize);
    ASSERT_TRUE(image.error.empty()) << file << ": " << image.error;
    std::memcpy(&GameState, image.bytes.data(), kGameFileSize);
    TSetUp dialog;
    dialog.Fill();
    for (int radio : {3, 5, 8, 27, 13, 10, 17}) {
      EXPECT_TRUE(dialog.Radio(radio).Checked()) << file << " radio " << radio;
    }
  }
}

}  // namespace
