#include "world/battle_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/battle_block.h"
#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

int ShownRows(const TReplayedCorpsRows& rows) {
  int shown = 0;
  for (const auto& row : rows) shown += row.has_value();
  return shown;
}

class BattleReplayTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    BattleLog = {"No History"};
  }
  void TearDown() override {
    BattleLog.clear();
    WorldTest::TearDown();
  }
  void Append(const std::vector<std::string>& lines) {
    BattleLog.insert(BattleLog.end(), lines.begin(), lines.end());
  }
  std::vector<TReplayedBattle> Replay() {
    std::vector<TReplayedBattle> shown;
    ReplayBattles([&shown](const TReplayedBattle& battle) { shown.push_back(battle); });
    return shown;
  }
};

// Each side's corps count on both sides of the tenth slot, stray lines before
// the result: every field lands in its place and the next block is still found.
TEST_F(BattleReplayTest, EachBlockIsReadWholeAndTheNextFound) {
  struct Case {
    int union_corps, confederate_corps, stray;
  };
  const Case cases[] = {{3, 10, 0}, {10, 9, 0}, {0, 1, 2}, {10, 10, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.union_corps) + " and " + std::to_string(c.confederate_corps));
    BattleLog = {"No History"};
    Append(BattleBlock("Shiloh", c.union_corps, c.confederate_corps, c.stray));
    Append(BattleBlock("Corinth", 1, 1));
    BattleLog.push_back("TurnOver");
    GameState.BattleCount = 2;
    const std::vector<TReplayedBattle> shown = Replay();
    ASSERT_EQ(shown.size(), 2u);
    const TReplayedBattle& first = shown[0];
    EXPECT_EQ(first.engagement[0], "Shiloh");
    EXPECT_EQ(first.engagement[6], "Rain");
    EXPECT_EQ(first.initiative, "initiative");
    EXPECT_EQ(first.union_figures[1], "union figures 2");
    EXPECT_EQ(ShownRows(first.union_corps), c.union_corps);
    EXPECT_EQ(first.confederate_figures[0], "confederate figures");
    EXPECT_EQ(ShownRows(first.confederate_corps), c.confederate_corps);
    if (c.confederate_corps > 0) {
      EXPECT_EQ((*first.confederate_corps[c.confederate_corps - 1])[3],
                "confederate morale " + std::to_string(c.confederate_corps));
    }
    EXPECT_EQ(first.result[0], "result");
    EXPECT_EQ(first.result[1], "result 2");
    EXPECT_EQ(shown[1].engagement[0], "Corinth");
  }
}

// The turn's battle count, the turn's end and the file's end each stop the
// replay; a block cut short is not shown and nothing is read past the end.
TEST_F(BattleReplayTest, TheReplayStopsAtTheCountTheTurnsEndOrTheFilesEnd) {
  Append(BattleBlock("Shiloh", 2, 2));
  Append(BattleBlock("Corinth", 2, 2));
  BattleLog.push_back("TurnOver");
  GameState.BattleCount = 1;
  EXPECT_EQ(Replay().size(), 1u) << "only the turn's battles";
  GameState.BattleCount = 5;
  EXPECT_EQ(Replay().size(), 2u) << "the turn's end";

  const std::vector<std::string> whole = BattleLog;
  for (std::size_t cut = 2; cut < whole.size(); ++cut) {
    BattleLog.assign(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    const auto whole_blocks = std::count(BattleLog.begin(), BattleLog.end(), "result 2");
    EXPECT_EQ(Replay().size(), static_cast<std::size_t>(whole_blocks)) << cut;
    EXPECT_LE(ReplayLine, static_cast<int>(BattleLog.size())) << cut;
  }
  BattleLog.clear();
  EXPECT_TRUE(Replay().empty()) << "a missing file is no battle";
}

}  // namespace
