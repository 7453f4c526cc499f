// A game by mail over two turns: each battle file sent carries the battles of
// its own turn only, after its header line, and ends once with "TurnOver".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/warfare/battle_fixture.h"
#include "turn/after_movement.h"
#include "world/battle_replay.h"
#include "world/file_io.h"
#include "world/mail_handover.h"
#include "world/vardecl.h"

namespace {

constexpr int kHandOver = 1;

class MailTurnBattles : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    PlayByMailAsTheUnion();
  }

  // A turn whose movement brought two fresh corps to blows, closed and
  // saved under the name; the battle file as it was written.
  std::vector<std::string> PlayAndSave(const std::string& name) {
    for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Inactive = 1;
    GameState.Corps[AddEngagedCorps(TSide::Union, 2)].BattleMark = 1;
    AddEngagedCorps(TSide::Confederate, 2);
    RunAfterMovementPhase();
    return Save(name);
  }

  std::vector<std::string> Save(const std::string& name) {
    window.ScriptFileToSave(PathOf(name));
    window.ScriptChoices({kHandOver});
    SaveGameDialog();
    return ReadTextLines(PathOf(name + ".BTL")).value_or(std::vector<std::string>{});
  }

  static int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
  }

  static void ExpectOneBattle(const std::vector<std::string>& file) {
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.front(), "No History");
    EXPECT_EQ(file[1], "Battle");
    EXPECT_EQ(Count(file, "Battle"), 1);
    EXPECT_EQ(Count(file, "EndOfBattle"), 1);
    EXPECT_EQ(file.back(), "TurnOver");
    EXPECT_EQ(Count(file, "TurnOver"), 1);
  }
};

TEST_F(MailTurnBattles, EachTurnSendsItsOwnBattlesOnce) {
  const std::vector<std::string> first = PlayAndSave("Turn1");
  ExpectOneBattle(first);
  // The opponent loads the turn, replays it and plays the next.
  MailHandOverDone = false;
  ReadBattleFile(PathOf("Turn1."));
  EXPECT_EQ(BattleLog, first);
  const std::vector<std::string> second = PlayAndSave("Turn2");
  ExpectOneBattle(second);
  EXPECT_EQ(GameState.BattleCount, 1);
  EXPECT_EQ(Save("Turn2"), second) << "saved again in the same sitting";
}

}  // namespace
