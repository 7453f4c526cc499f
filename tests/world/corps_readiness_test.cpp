#include "world/corps_readiness.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/world/political_turn_fixture.h"
#include "world/codes.h"
#include "world/random.h"

namespace {

class ReadinessTest : public PoliticsTest {
 protected:
  // A Confederate corps of the readiness marching at the standard pace, away
  // from its destination, supplied, with average odds and priority.
  static int AddSteadyCorps(int readiness) {
    const int k = AddCorps(10, 10, TSide::Confederate, TNation::Confederacy);
    Corps(k).March = TMarchMode::Standard;
    Corps(k).DestX = 20;
    Corps(k).DestY = 10;
    Corps(k).SupplyStatus = 2;
    Corps(k).SupplyPriority = 1;
    Corps(k).Posture = 3;
    Corps(k).Readiness = static_cast<std::uint8_t>(readiness);
    return k;
  }
  static int LeaderOfInspiration(int inspiration) {
    const int leader = AddLeader({.side = TSide::Confederate});
    GameState.Leaders[leader].Inspiration = static_cast<std::uint8_t>(inspiration);
    return leader;
  }
  static void Commanded(TCorps& corps) {
    corps.Leader = static_cast<std::uint8_t>(LeaderOfInspiration(50));
  }
  static void InArmy(TCorps& corps) {
    corps.Army = static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Confederate, 2));
    GameState.Armies[corps.Army].Leader = static_cast<std::uint8_t>(LeaderOfInspiration(50));
  }
  static void OnOwnState(TCorps& corps) {
    MakeState(3, TNation::Confederacy);
    MapRecord.Cell(corps.X, corps.Y).Bytes[2] = 3;
  }
};

// The draws, in order: good odds of 250, poor odds of 30, entrenchment of 30,
// then with a commander 70 and with an army's commander 100 (-1: none).
TEST_F(ReadinessTest, ReadinessMovesBySituationOddsFatigueGroundAndCommandersWithinLimits) {
  using Arrange = void (*)(TCorps&);
  struct Row {
    const char* name;
    int readiness, fatigue, disorder;
    Arrange arrange;
    int good, poor, dug, commander, armyCommander;
    int expected, disorderAfter;
  };
  const Row rows[] = {
      {"nothing changes", 10, 0, 0, [](TCorps&) {}, 249, 0, 29, -1, -1, 10, 0},
      {"good odds: 3 x 25 beats 74", 10, 0, 0, [](TCorps&) {}, 74, 0, 29, -1, -1, 11, 0},
      {"good odds: not 75", 10, 0, 0, [](TCorps&) {}, 75, 0, 29, -1, -1, 10, 0},
      {"poor odds: 2 x 12 under 25", 10, 0, 0, [](TCorps& c) { c.Posture = 2; }, 0, 25, 29, -1, -1,
       9, 0},
      {"poor odds: not 24", 10, 0, 0, [](TCorps& c) { c.Posture = 2; }, 0, 24, 29, -1, -1, 10, 0},
      {"fatigue 3 costs 1", 10, 3, 0, [](TCorps&) {}, 249, 0, 29, -1, -1, 9, 0},
      {"forced march", 10, 0, 0, [](TCorps& c) { c.March = 2; }, 249, 0, 29, -1, -1, 9, 0},
      {"cautious march", 10, 0, 0, [](TCorps& c) { c.March = 0; }, 249, 0, 29, -1, -1, 12, 0},
      {"at its destination", 10, 0, 0, [](TCorps& c) { c.DestX = 10; }, 249, 0, 29, -1, -1, 13, 0},
      {"short of supply", 10, 0, 0, [](TCorps& c) { c.SupplyStatus = 1; }, 249, 0, 29, -1, -1, 12,
       0},
      {"encamped", 10, 0, 0, [](TCorps& c) { c.SupplyType = 1; }, 249, 0, 29, -1, -1, 11, 0},
      {"the Union pays its supply", 10, 0, 0, [](TCorps& c) { c.Side = 1; }, 249, 0, 29, -1, -1, 8,
       0},
      {"subsistence", 10, 0, 0, [](TCorps& c) { c.SupplyPriority = 0; }, 249, 0, 29, -1, -1, 9, 0},
      {"high priority", 10, 0, 0, [](TCorps& c) { c.SupplyPriority = 2; }, 249, 0, 29, -1, -1, 11,
       0},
      {"its own state", 10, 0, 0, OnOwnState, 249, 0, 29, -1, -1, 11, 0},
      {"dug in: 1 x 10 beats 9", 10, 0, 0, [](TCorps& c) { c.Entrenchment = 1; }, 249, 0, 9, -1, -1,
       11, 0},
      {"dug in at most 3", 10, 0, 0, [](TCorps& c) { c.Entrenchment = 9; }, 249, 0, 29, -1, -1, 11,
       0},
      {"dug in: not 10", 10, 0, 0, [](TCorps& c) { c.Entrenchment = 1; }, 249, 0, 10, -1, -1, 10,
       0},
      {"steady above 10 sheds disorder", 11, 0, 2, [](TCorps&) {}, 249, 0, 29, -1, -1, 11, 1},
      {"not at 10", 10, 0, 2, [](TCorps&) {}, 249, 0, 29, -1, -1, 10, 2},
      {"a commander's 50 beats 49", 10, 0, 0, Commanded, 249, 0, 29, 49, -1, 13, 0},
      {"not 50", 10, 0, 0, Commanded, 249, 0, 29, 50, -1, 10, 0},
      {"one more in disorder", 10, 4, 1, Commanded, 249, 0, 29, 0, -1, 12, 1},
      {"an army's commander", 10, 0, 0, InArmy, 249, 0, 29, -1, 49, 12, 0},
      {"not on 50", 10, 0, 0, InArmy, 249, 0, 29, -1, 50, 10, 0},
      {"falls at most 2", 10, 20, 0, [](TCorps&) {}, 249, 0, 29, -1, -1, 8, 0},
      {"rises at most 3", 10, 0, 1, Commanded, 249, 0, 29, 0, -1, 13, 1},
      {"never below 0", 1, 20, 0, [](TCorps&) {}, 249, 0, 29, -1, -1, 0, 0},
      {"never above 25", 24, 0, 0, [](TCorps& c) { c.March = 0; }, 249, 0, 29, -1, -1, 25, 0},
      {"at sea it rises", 10, 20, 0, [](TCorps& c) { c.Stance = 4; }, 249, 0, 29, -1, -1, 11, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int k = AddSteadyCorps(row.readiness);
    Corps(k).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    Corps(k).Disorder = static_cast<std::uint8_t>(row.disorder);
    row.arrange(Corps(k));
    std::deque<ScriptedDraw> draws = {{250, row.good}, {30, row.poor}, {30, row.dug}};
    if (row.commander >= 0) draws.push_back({70, row.commander});
    if (row.armyCommander >= 0) draws.push_back({100, row.armyCommander});
    ScriptRandomDraws(draws);
    UpdateCorpsReadiness();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(k).Readiness, row.expected);
    EXPECT_EQ(Corps(k).Disorder, row.disorderAfter);
    EXPECT_LE(Corps(k).Entrenchment, 3);
  }
}

}  // namespace
