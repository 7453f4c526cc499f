#include "world/mail_handover.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/window_fixture.h"
#include "world/file_io.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHandOver = 1;
constexpr int kKeepTurn = 2;

class MailHandOverTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.PlayMode = 2;
    GameState.MailSide = 1;
  }

  void SaveAs(const std::string& name, std::initializer_list<int> answers = {}) {
    window.ScriptFileToSave(PathOf(name));
    window.ScriptChoices(answers);
    SaveGameDialog();
  }

  std::vector<std::string> BattleFile(const std::string& name) const {
    return ReadTextLines(PathOf(name)).value_or(std::vector<std::string>{"(missing)"});
  }
};

// Mode 2 becomes 3 and a received game (3 or 4) becomes 4; the mail side
// alternates; the move is passed once per sitting.
TEST_F(MailHandOverTest, HandingOverPassesTheMoveOnceAndSendsTheBattles) {
  BattleLog = {"No History"};
  SaveAs("Game7.GMR", {kHandOver});
  EXPECT_EQ(GameState.PlayMode, 3);
  EXPECT_EQ(GameState.MailSide, 2);
  EXPECT_EQ(BattleFile("Game7.BTL"), (std::vector<std::string>{"No History", "TurnOver"}));
  std::ifstream saved(PathOf("Game7.GMR"), std::ios::binary);
  saved.seekg(offsetof(TGameState, PlayMode));
  EXPECT_EQ(saved.get(), 3) << "the opponent receives the passed move";
  EXPECT_EQ(window.Notices().at(0).lines[1], "send game to opponent?");
  SaveAs("Second", {kHandOver});
  EXPECT_EQ(GameState.MailSide, 2);
  EXPECT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(BattleFile("Second.BTL").back(), "TurnOver");
  ASSERT_TRUE(LoadGame(PathOf("Second.GMR")));
  SaveAs("Reply", {kHandOver});
  EXPECT_EQ(GameState.PlayMode, 4);
  EXPECT_EQ(GameState.MailSide, 1);
}

// Keeping the turn still saves the game, the map and the battles; one machine
// play saves the game alone, asking nothing.
TEST_F(MailHandOverTest, KeepingTheTurnOrPlayingOnOneMachineSavesWithoutPassing) {
  SaveAs("Game7", {kKeepTurn});
  EXPECT_EQ(GameState.PlayMode, 2);
  EXPECT_EQ(GameState.MailSide, 1);
  EXPECT_EQ(BattleFile("Game7.BTL"), std::vector<std::string>{"TurnOver"});
  EXPECT_TRUE(fs::exists(PathOf("Game7.GMP")));
  GameState.PlayMode = 1;
  SaveAs("Solo.GMR");
  EXPECT_EQ(window.Notices().size(), 1u);
  EXPECT_TRUE(fs::exists(PathOf("Solo.GMR")));
  EXPECT_FALSE(fs::exists(PathOf("Solo.BTL")));
}

TEST_F(MailHandOverTest, ACancelledOrNamelessSaveWritesNothing) {
  SaveGameDialog();
  SaveAs(".GMR");
  EXPECT_EQ(window.Messages().size(), 1u) << "a nameless save is refused";
  EXPECT_TRUE(fs::is_empty(PathOf("")));
}

}  // namespace
