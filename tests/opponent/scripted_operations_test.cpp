// The scripted operations of both sides on the 1862 start: each one starts
// when its trigger holds, gathers, acts under its marks, and when its cause
// lapses stops and frees every corps, army and city it marked. The river
// campaign's walk down the chain, and the thresholds the operations turn on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "opponent/confederate_operations.h"
#include "opponent/union_operations.h"
#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/force_totals.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

int PhaseOf(int k) {
  return GameState.AiPlans[k].Phase;
}

// Corps, armies and cities carrying the operation's mark.
int Marked(int k) {
  int n = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) n += GameState.Corps[c].AiMission == k;
  for (int a = 1; a <= GameState.Armies.Count; ++a) n += GameState.Armies[a].AiOrder == k;
  for (int c = 1; c <= GameState.Cities.Count; ++c) n += GameState.Cities[c].AiOperation == k;
  return n;
}

TStateRec& State(int s) {
  return GameState.States[s];
}

void SetStrengthOfNation(int nation, int strength) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (GameState.Corps[c].Nation == nation) GameState.Corps[c].Strength = static_cast<std::uint16_t>(strength);
}

void PlaceCorpsAt(int corps, int city, int theatre) {
  TCorps& mover = GameState.Corps[corps];
  mover.X = GameState.Cities[city].X;
  mover.Y = GameState.Cities[city].Y;
  mover.Theatre = static_cast<std::uint8_t>(theatre);
  mover.Army = 0;
}

bool CorpsSentTo(int k, int city) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.AiMission == k && corps.DestX == GameState.Cities[city].X && corps.DestY == GameState.Cities[city].Y)
      return true;
  }
  return false;
}

class ScriptedOperationsTest : public TurnTest {
 protected:
  void Load1862() {
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1862.gmr"));
    ComputeForceTotals();
  }
};

// The armies of 1862 the walks use, and the Confederate corps round Washington.
constexpr int kPotomacArmy = 1, kCumberlandArmy = 2, kTennesseeArmy = 3, kMissouriArmy = 4;
constexpr int kRebelArmyOfTennessee = 8, kRebelVirginiaArmy = 6;

struct Walk {
  const char* name;
  int k;
  void (*run)();
  std::function<void()> arrange;
  std::vector<int> phases;  // after each run until the operation acts
  std::function<void()> acted;
  std::function<void(int)> lapse;  // before each of the two closing runs
};

TEST_F(ScriptedOperationsTest, EachOperationStartsActsAndOnItsCauseLapsingFreesAllItMarked) {
  const Walk walks[] = {
      {"capital region", 1, RunUnionOperation1,
       [] {
         State(32).IntruderStrength = 60;
         SetStrengthOfNation(TNation::Confederacy, 1000);
       },
       {1, 2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kPotomacArmy].AiOrder, 1);
         EXPECT_EQ(GameState.Armies[kPotomacArmy].Stance, TCombatStance::Advance);
         EXPECT_EQ(GameState.Cities[12].GarrisonNeed, 1);
       },
       [](int) {
         State(32).IntruderStrength = 0;
         for (int c = 1; c <= GameState.Corps.Count; ++c)
           if (GameState.Corps[c].Nation == TNation::Confederacy) GameState.Corps[c].X = 1;
       }},
      {"Ohio line", 2, RunUnionOperation2,
       [] {
         State(6).IntruderStrength = 2;
         for (int corps : {15, 16}) {
           PlaceCorpsAt(corps, 40, TTheatre::West);
           GameState.Corps[corps].City = 40;
           GameState.Corps[corps].State = 9;
         }
         GameState.Cities[38].GarrisonCount = 1;
       },
       {1, 2, 3},
       [] { EXPECT_TRUE(CorpsSentTo(2, 40)); },
       [](int) { State(6).IntruderStrength = 0; }},
      {"Missouri", 3, RunUnionOperation3,
       [] {
         State(19).IntruderStrength = 6;
         for (int corps : {13, 15, 16}) PlaceCorpsAt(corps, 76, TTheatre::Mississippi);
       },
       {2, 3},
       [] {
         for (int c = 1; c <= GameState.Corps.Count; ++c) {
           if (GameState.Corps[c].AiMission != 3) continue;
           EXPECT_EQ(GameState.Corps[c].Stance, TCombatStance::Advance);
         }
       },
       [](int run) {
         State(19).IntruderStrength = 0;
         if (run == 1) State(19).ControlSide = TSide::Confederate;
       }},
      {"Kentucky", 4, RunUnionOperation4,
       [] {
         State(20).ForeignCities = 2;
         GameState.Armies[kMissouriArmy].HqCity = 40;
       },
       {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kMissouriArmy].Stance, TCombatStance::Advance);
         EXPECT_NE(GameState.Armies[kMissouriArmy].AiTargetCity, 0);
       },
       [](int) { State(6).IntruderStrength = 1; }},
      {"Richmond", 5, RunUnionOperation5, [] {}, {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kPotomacArmy].AiTargetCity, 17);
         EXPECT_EQ(GameState.Armies[kPotomacArmy].TargetCity, 16);
         EXPECT_TRUE(CorpsSentTo(5, 13));
       },
       [](int) { State(22).ControlSide = TSide::Union; }},
      {"Mississippi", 6, RunUnionOperation6, [] {}, {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kCumberlandArmy].AiTargetCity, 50);
         EXPECT_EQ(GameState.Armies[kCumberlandArmy].Stance, TCombatStance::Advance);
       },
       [](int) { State(9).IntruderStrength = 1; }},
      {"Tennessee", 7, RunUnionOperation7, [] {}, {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kTennesseeArmy].AiOrder, 7);
         EXPECT_NE(GameState.Armies[kCumberlandArmy].AiTargetCity, 0);
       },
       [](int) { State(21).ForeignCities = 0; }},
      {"into Kentucky", 10, RunConfederateOperation10,
       [] { State(21).ControlSide = TSide::Confederate; }, {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kRebelArmyOfTennessee].AiTargetCity, 43);
         EXPECT_EQ(GameState.Armies[kRebelArmyOfTennessee].TargetCity, 42);
       },
       [](int) { State(20).ControlSide = TSide::Confederate; }},
      {"river states", 11, RunConfederateOperation11,
       [] {
         GameState.Cities[51].GarrisonCount = 1;
         GameState.Cities[68].Side = TSide::Union;
       },
       {1, 2, 3}, [] { EXPECT_TRUE(CorpsSentTo(11, 68)); },
       [](int) {
         for (int s : {24, 25, 26}) State(s).ControlSide = TSide::Union;
         GameState.Cities[51].GarrisonCount = 0;
       }},
      {"Tennessee held", 12, RunConfederateOperation12,
       [] { State(21).ControlSide = TSide::Confederate; }, {1, 3},
       [] {
         EXPECT_TRUE(CorpsSentTo(12, 46));
         EXPECT_EQ(GameState.Cities[47].AiOperation, 12);
       },
       [](int) {
         State(21).ControlSide = TSide::Union;
         SetStrengthOfNation(TNation::Union, 0);
       }},
      {"Virginia", 13, RunConfederateOperation13, [] {}, {3},
       [] {
         EXPECT_EQ(GameState.Armies[kRebelVirginiaArmy].TargetCity, 17);
         EXPECT_EQ(GameState.Cities[17].AiOperation, 13);
       },
       [](int) { State(22).ControlSide = TSide::Union; }},
      {"first ports", 14, RunConfederateOperation14, [] {}, {2}, [] {},
       [](int) {
         for (int c = 1; c <= GameState.Cities.Count; ++c)
           if (GameState.Cities[c].OriginalSide == TSide::Confederate) GameState.Cities[c].Side = TSide::Union;
       }},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.name);
    Load1862();
    walk.arrange();
    for (std::size_t turn = 0; turn < walk.phases.size(); ++turn) {
      walk.run();
      EXPECT_EQ(PhaseOf(walk.k), walk.phases[turn]) << "turn " << turn;
    }
    walk.run();
    walk.acted();
    EXPECT_GT(Marked(walk.k), 0);
    for (int run = 0; run < 2; ++run) {
      walk.lapse(run);
      walk.run();
    }
    EXPECT_EQ(PhaseOf(walk.k), 0);
    EXPECT_EQ(Marked(walk.k), 0);
  }
}

}  // namespace
