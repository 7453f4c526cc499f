#include "world/corps_readiness.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/world/political_turn_fixture.h"
#include "world/codes.h"
#include "world/random.h"

namespace {

using Arrange = void (*)(TCorps&);

class ReadinessTest : public PoliticsTest {
 protected:
  // A Confederate corps marching at the standard pace, away from its
  // destination, supplied, with average odds and priority.
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
  static std::uint8_t LeaderOfInspiration50() {
    const int leader = AddLeader({.side = TSide::Confederate});
    GameState.Leaders[leader].Inspiration = 50;
    return static_cast<std::uint8_t>(leader);
  }
  static void Commanded(TCorps& corps) { corps.Leader = LeaderOfInspiration50(); }
  static void InArmy(TCorps& corps) {
    corps.Army = static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Confederate, 2));
    GameState.Armies[corps.Army].Leader = LeaderOfInspiration50();
  }
  static void OnOwnState(TCorps& corps) {
    MakeState(3, TNation::Confederacy);
    MapRecord.Cell(corps.X, corps.Y).Bytes[2] = 3;
  }
  static void Nothing(TCorps&) {}
  static void Posture2(TCorps& c) { c.Posture = 2; }
  static void Dug1(TCorps& c) { c.Entrenchment = 1; }
  static void MarchCautious(TCorps& c) { c.March = 0; }
  static void AtSea(TCorps& c) { c.Stance = 4; }
};

// The draws, in order: good odds of 250, poor odds of 30, entrenchment of 30,
// then with a commander 70 and with an army's commander 100 (-1: none).
TEST_F(ReadinessTest, ReadinessMovesBySituationOddsFatigueGroundAndCommandersWithinLimits) {
  struct Row {
    const char* name;
    int readiness = 10, fatigue = 0, disorder = 0;
    Arrange arrange = &ReadinessTest::Nothing;
    int good = 249, poor = 0, dug = 29, commander = 0, army = -1;  // commander drawn only if any
    int want = 10, left = 0;  // the readiness and disorder after
  };
  const Row rows[] = {
      {.name = "nothing changes"},
      {.name = "good odds: 3 x 25 beats 74", .good = 74, .want = 11},
      {.name = "good odds: not 75", .good = 75},
      {.name = "poor odds: 2 x 12 under 25", .arrange = Posture2, .poor = 25, .want = 9},
      {.name = "poor odds: not 24", .arrange = Posture2, .poor = 24},
      {.name = "fatigue 3 costs 1", .fatigue = 3, .want = 9},
      {.name = "forced march", .arrange = [](TCorps& c) { c.March = 2; }, .want = 9},
      {.name = "cautious march", .arrange = MarchCautious, .want = 12},
      {.name = "at its destination", .arrange = [](TCorps& c) { c.DestX = 10; }, .want = 13},
      {.name = "short of supply", .arrange = [](TCorps& c) { c.SupplyStatus = 1; }, .want = 12},
      {.name = "encamped", .arrange = [](TCorps& c) { c.SupplyType = 1; }, .want = 11},
      {.name = "the Union pays its supply", .arrange = [](TCorps& c) { c.Side = 1; }, .want = 8},
      {.name = "subsistence", .arrange = [](TCorps& c) { c.SupplyPriority = 0; }, .want = 9},
      {.name = "high priority", .arrange = [](TCorps& c) { c.SupplyPriority = 2; }, .want = 11},
      {.name = "its own state", .arrange = OnOwnState, .want = 11},
      {.name = "dug in: 1 x 10 beats 9", .arrange = Dug1, .dug = 9, .want = 11},
      {.name = "dug in: not 10", .arrange = Dug1, .dug = 10},
      {.name = "dug in at most 3", .arrange = [](TCorps& c) { c.Entrenchment = 9; }, .want = 11},
      {.name = "above 10 sheds disorder", .readiness = 11, .disorder = 2, .want = 11, .left = 1},
      {.name = "not at 10", .disorder = 2, .left = 2},
      {.name = "a commander's 50 beats 49", .arrange = Commanded, .commander = 49, .want = 13},
      {.name = "not 50", .arrange = Commanded, .commander = 50},
      {.name = "disorder",
       .fatigue = 4,
       .disorder = 1,
       .arrange = Commanded,
       .want = 12,
       .left = 1},
      {.name = "an army's commander", .arrange = InArmy, .army = 49, .want = 12},
      {.name = "not on 50", .arrange = InArmy, .army = 50},
      {.name = "falls at most 2", .fatigue = 20, .want = 8},
      {.name = "rises at most 3", .disorder = 1, .arrange = Commanded, .want = 13, .left = 1},
      {.name = "never below 0", .readiness = 1, .fatigue = 20, .want = 0},
      {.name = "never above 25", .readiness = 24, .arrange = MarchCautious, .want = 25},
      {.name = "at sea it rises", .fatigue = 20, .arrange = AtSea, .want = 11},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int k = AddSteadyCorps(row.readiness);
    Corps(k).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    Corps(k).Disorder = static_cast<std::uint8_t>(row.disorder);
    row.arrange(Corps(k));
    std::deque<ScriptedDraw> draws = {{250, row.good}, {30, row.poor}, {30, row.dug}};
    if (Corps(k).Leader != 0) draws.push_back({70, row.commander});
    if (row.army >= 0) draws.push_back({100, row.army});
    ScriptRandomDraws(draws);
    UpdateCorpsReadiness();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(k).Readiness, row.want);
    EXPECT_EQ(Corps(k).Disorder, row.left);
  }
}

}  // namespace
