#include "world/mail_handover.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/window_fixture.h"
#include "world/file_io.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

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

// Keeping the turn passes nothing. Handing over turns mode 2 into 3 and a
// received game (3 or 4) into 4; the mail side alternates; the move is passed
// once per sitting.
TEST_F(MailHandOverTest, HandingOverPassesTheMoveOnceAndSendsTheBattles) {
  SaveAs("Kept", {kKeepTurn});
  EXPECT_EQ(GameState.PlayMode, 2);
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
  EXPECT_EQ(window.Notices().size(), 2u) << "not asked again";
  EXPECT_EQ(BattleFile("Second.BTL").back(), "TurnOver");
  ASSERT_TRUE(LoadGame(PathOf("Second.GMR")));
  SaveAs("Reply", {kHandOver});
  EXPECT_EQ(GameState.PlayMode, 4);
  EXPECT_EQ(GameState.MailSide, 1);
}

}  // namespace
