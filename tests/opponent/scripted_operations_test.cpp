// The scripted operations of both sides on the 1862 start: each one starts
// when its trigger holds, gathers, acts under its marks, and when its cause
// lapses stops and frees every corps, army and city it marked. The river
// campaign's walk down the chain, and the thresholds the operations turn on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
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
    if (GameState.Corps[c].Nation == nation)
      GameState.Corps[c].Strength = static_cast<std::uint16_t>(strength);
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
    if (corps.AiMission == k && corps.DestX == GameState.Cities[city].X &&
        corps.DestY == GameState.Cities[city].Y)
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
      {"capital region",
       1,
       RunUnionOperation1,
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
      {"Ohio line",
       2,
       RunUnionOperation2,
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
      {"Missouri",
       3,
       RunUnionOperation3,
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
      {"Kentucky",
       4,
       RunUnionOperation4,
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
      {"Richmond",
       5,
       RunUnionOperation5,
       [] {},
       {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kPotomacArmy].AiTargetCity, 17);
         EXPECT_EQ(GameState.Armies[kPotomacArmy].TargetCity, 16);
         EXPECT_TRUE(CorpsSentTo(5, 13));
       },
       [](int) { State(22).ControlSide = TSide::Union; }},
      {"Mississippi",
       6,
       RunUnionOperation6,
       [] {},
       {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kCumberlandArmy].AiTargetCity, 50);
         EXPECT_EQ(GameState.Armies[kCumberlandArmy].Stance, TCombatStance::Advance);
       },
       [](int) { State(9).IntruderStrength = 1; }},
      {"Tennessee",
       7,
       RunUnionOperation7,
       [] {},
       {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kTennesseeArmy].AiOrder, 7);
         EXPECT_NE(GameState.Armies[kCumberlandArmy].AiTargetCity, 0);
       },
       [](int) { State(21).ForeignCities = 0; }},
      {"into Kentucky",
       10,
       RunConfederateOperation10,
       [] { State(21).ControlSide = TSide::Confederate; },
       {2, 3},
       [] {
         EXPECT_EQ(GameState.Armies[kRebelArmyOfTennessee].AiTargetCity, 43);
         EXPECT_EQ(GameState.Armies[kRebelArmyOfTennessee].TargetCity, 42);
       },
       [](int) { State(20).ControlSide = TSide::Confederate; }},
      {"river states",
       11,
       RunConfederateOperation11,
       [] {
         GameState.Cities[51].GarrisonCount = 1;
         GameState.Cities[68].Side = TSide::Union;
       },
       {1, 2, 3},
       [] { EXPECT_TRUE(CorpsSentTo(11, 68)); },
       [](int) {
         for (int s : {24, 25, 26}) State(s).ControlSide = TSide::Union;
         GameState.Cities[51].GarrisonCount = 0;
       }},
      {"Tennessee held",
       12,
       RunConfederateOperation12,
       [] { State(21).ControlSide = TSide::Confederate; },
       {1, 3},
       [] {
         EXPECT_TRUE(CorpsSentTo(12, 46));
         EXPECT_EQ(GameState.Cities[47].AiOperation, 12);
       },
       [](int) {
         State(21).ControlSide = TSide::Union;
         SetStrengthOfNation(TNation::Union, 0);
       }},
      {"Virginia",
       13,
       RunConfederateOperation13,
       [] {},
       {3},
       [] {
         EXPECT_EQ(GameState.Armies[kRebelVirginiaArmy].TargetCity, 17);
         EXPECT_EQ(GameState.Cities[17].AiOperation, 13);
       },
       [](int) { State(22).ControlSide = TSide::Union; }},
      {"first ports",
       14,
       RunConfederateOperation14,
       [] {},
       {2},
       [] {},
       [](int) {
         for (int c = 1; c <= GameState.Cities.Count; ++c)
           if (GameState.Cities[c].OriginalSide == TSide::Confederate)
             GameState.Cities[c].Side = TSide::Union;
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

// Down the river from Memphis one cursor serves the turn's armies in order:
// Memphis first while the enemy holds it; past it a run of enemy cities
// carries the target to its end and the next army walks on from there; an
// army that finds nothing keeps its target.
TEST_F(ScriptedOperationsTest, TheRiverArmiesShareOneWalkDownTheChain) {
  const struct {
    std::vector<int> held;
    int first, second;
  } rows[] = {
      {{}, 50, 65}, {{50}, 65, 50}, {{50, 79, 68}, 67, 65}, {{50, 79, 67, 68, 66, 65}, 50, 50}};
  for (const auto& row : rows) {
    Load1862();
    GameState.AiPlans[6].Phase = 3;
    for (int a : {kCumberlandArmy, kTennesseeArmy}) {
      GameState.Armies[a].AiOrder = 6;
      GameState.Armies[a].AiTargetCity = 50;
    }
    for (int city : {50, 79, 67, 68, 66, 65}) GameState.Cities[city].Side = TSide::Confederate;
    for (int city : row.held) GameState.Cities[city].Side = TSide::Union;
    RunUnionOperation6();
    EXPECT_EQ(GameState.Armies[kCumberlandArmy].AiTargetCity, row.first) << row.held.size();
    EXPECT_EQ(GameState.Armies[kTennesseeArmy].AiTargetCity, row.second) << row.held.size();
  }
}

// Operation 1 in action with the enemy strong round Washington.
void PressedCapital(int state, int intruders) {
  GameState.AiPlans[1].Phase = 3;
  GameState.Armies[kPotomacArmy].AiOrder = 1;
  SetStrengthOfNation(TNation::Confederacy, 1000);
  State(state).IntruderStrength = static_cast<std::uint16_t>(intruders);
}

// All but `keep` of the Union corps of Maryland, Pennsylvania and the District leave.
void KeepCapitalCorps(int keep) {
  GameState.AiPlans[1].Phase = 1;
  SetStrengthOfNation(TNation::Confederacy, 1000);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    const bool there = corps.Nation == TNation::Union &&
                       (corps.State == 32 || corps.State == 34 || corps.State == 10);
    if (there && keep-- <= 0) corps.State = 1;
  }
}

void KeepTennesseeCorps(int keep) {
  GameState.AiPlans[12].Phase = 1;
  State(21).ControlSide = TSide::Confederate;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Nation == TNation::Confederacy && corps.State == 21 && keep-- <= 0) corps.State = 0;
  }
}

// Only the Missouri army, with the corps given, lies near Memphis.
void RiverArmyOf(int corps) {
  GameState.AiPlans[6].Phase = 2;
  for (int a : {kCumberlandArmy, kTennesseeArmy, 5})
    GameState.Armies[a].Theatre = TTheatre::Seaboard;
  GameState.Armies[kMissouriArmy].CorpsCount = static_cast<std::uint8_t>(corps);
}

void MissouriInvaded(int intruders) {
  GameState.AiPlans[3].Phase = 3;
  State(19).IntruderStrength = static_cast<std::uint16_t>(intruders);
  GameState.Corps[29].AiMission = 3;
}

void FortMonroeWorth(int value) {
  GameState.AiPlans[13].Phase = 3;
  GameState.Cities[22].Value = 2;
  GameState.Cities[23].Value = static_cast<std::uint8_t>(value);
}

int ArmyStance(int army) {
  return GameState.Armies[army].Stance;
}

// One Union and one Confederate corps, of the strengths given, face each other
// at the city; every other corps leaves the field. The result is the corps of
// the nation given.
int Standoff(int city, int unionStrength, int confederateStrength, int nation) {
  int placed[TNation::Confederacy + 1] = {};
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    const bool stays = corps.Inactive == 0 && corps.Disorder == 0 &&
                       (corps.Nation == TNation::Union || corps.Nation == TNation::Confederacy) &&
                       placed[corps.Nation] == 0;
    if (!stays) {
      corps.Inactive = 1;
      continue;
    }
    placed[corps.Nation] = c;
    PlaceCorpsAt(c, city, GameState.Cities[city].Theatre);
    corps.Strength = static_cast<std::uint16_t>(
        corps.Nation == TNation::Union ? unionStrength : confederateStrength);
  }
  return placed[nation];
}

// Washington's garrison request, asked afresh.
void CapitalFaced(int unionStrength) {
  GameState.Cities[11].GarrisonNeed = 0;
  Standoff(11, unionStrength, 50, TNation::Union);
}

// Operation 2 pushes on into Kentucky with the intruders given in Illinois.
void OhioLinePressed(int intruders) {
  GameState.AiPlans[2].Phase = 3;
  State(20).ControlSide = TSide::Union;
  State(6).IntruderStrength = static_cast<std::uint16_t>(intruders);
  State(9).IntruderStrength = 0;
  GameState.Corps[Standoff(40, 50, 50, TNation::Union)].AiMission = 2;
}

void MarchOnRichmond(int unionStrength) {
  GameState.AiPlans[5].Phase = 2;
  Standoff(11, unionStrength, 50, TNation::Union);
}

// Operation 10 gathers the army of Tennessee at its headquarters.
void TennesseeArmyFaced(int confederateStrength) {
  GameState.AiPlans[10].Phase = 2;
  State(21).ControlSide = TSide::Confederate;
  Standoff(GameState.Armies[kRebelArmyOfTennessee].HqCity, 50, confederateStrength,
           TNation::Confederacy);
}

// Operation 11 with Memphis's neighbour lost and a corps sent to retake it.
void RiverPostLost(int unionStrength) {
  GameState.AiPlans[11].Phase = 3;
  for (int city : {50, 51, 65}) GameState.Cities[city].Side = TSide::Confederate;
  GameState.Cities[51].GarrisonCount = 1;
  GameState.Cities[68].Side = TSide::Union;
  const int c = Standoff(68, unionStrength, 50, TNation::Confederacy);
  GameState.Corps[c].AiMission = 11;
  GameState.Corps[c].Stance = TCombatStance::Defend;
}

int StanceOfCorpsOn(int k) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (GameState.Corps[c].Inactive == 0 && GameState.Corps[c].AiMission == k)
      return GameState.Corps[c].Stance;
  return -1;
}

// Operation 12 starts from the strengths round Chattanooga alone.
void ChattanoogaFaced(int unionStrength) {
  GameState.AiPlans[12].Phase = 0;
  State(21).ControlSide = TSide::Union;
  Standoff(47, unionStrength, 50, TNation::Confederacy);
}

// Operation 7 holds Tennessee with one army of two corps; the state keeps
// the foreign cities given.
void TennesseeHeldWithForeignCities(int cities) {
  GameState.AiPlans[7].Phase = 3;
  State(21).ControlSide = TSide::Union;
  State(21).ForeignCities = static_cast<std::uint8_t>(cities);
  GameState.Armies[kCumberlandArmy].AiOrder = 7;
  GameState.Armies[kCumberlandArmy].CorpsCount = 2;
  GameState.Armies[kTennesseeArmy].AiOrder = 0;
}

void VirginiaContested(int confederateStrength) {
  GameState.AiPlans[13].Phase = 3;
  State(22).ControlSide = TSide::Confederate;
  State(22).IntruderStrength = 1;
  State(22).ForeignCities = 1;
  Standoff(17, 50, confederateStrength, TNation::Confederacy);
}

TEST_F(ScriptedOperationsTest, ThresholdsTheOperationsTurnOn) {
  const struct {
    const char* name;
    void (*run)();
    std::function<void()> arrange;
    std::function<int()> observe;
    int expected;
  } rows[] = {
      {"Maryland's 50 intruders", RunUnionOperation1, [] { PressedCapital(32, 50); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Defend},
      {"Maryland's 51 intruders", RunUnionOperation1, [] { PressedCapital(32, 51); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Advance},
      {"Pennsylvania's 5 intruders", RunUnionOperation1, [] { PressedCapital(10, 5); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Defend},
      {"Pennsylvania's 6 intruders", RunUnionOperation1, [] { PressedCapital(10, 6); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Advance},
      {"the District's 5 intruders", RunUnionOperation1, [] { PressedCapital(34, 5); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Defend},
      {"the District's 6 intruders", RunUnionOperation1, [] { PressedCapital(34, 6); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Advance},
      {"4 corps round the capital", RunUnionOperation1, [] { KeepCapitalCorps(4); },
       [] { return PhaseOf(1); }, 1},
      {"5 corps round the capital", RunUnionOperation1, [] { KeepCapitalCorps(5); },
       [] { return PhaseOf(1); }, 2},
      {"Illinois' 1 intruder", RunUnionOperation2, [] { State(6).IntruderStrength = 1; },
       [] { return PhaseOf(2); }, 0},
      {"Illinois' 2 intruders", RunUnionOperation2, [] { State(6).IntruderStrength = 2; },
       [] { return PhaseOf(2); }, 1},
      {"Missouri's 5 intruders", RunUnionOperation3, [] { MissouriInvaded(5); },
       [] { return int{GameState.Corps[29].Stance}; }, TCombatStance::Defend},
      {"Missouri's 6 intruders", RunUnionOperation3, [] { MissouriInvaded(6); },
       [] { return int{GameState.Corps[29].Stance}; }, TCombatStance::Advance},
      {"Kentucky's last foreign city", RunUnionOperation4, [] { State(20).ForeignCities = 1; },
       [] { return PhaseOf(4); }, 0},
      {"Kentucky's two foreign cities", RunUnionOperation4, [] { State(20).ForeignCities = 2; },
       [] { return PhaseOf(4); }, 2},
      {"2 corps near Memphis", RunUnionOperation6, [] { RiverArmyOf(2); },
       [] { return PhaseOf(6); }, 0},
      {"3 corps near Memphis", RunUnionOperation6, [] { RiverArmyOf(3); },
       [] { return PhaseOf(6); }, 3},
      {"1 corps in Tennessee", RunConfederateOperation12, [] { KeepTennesseeCorps(1); },
       [] { return PhaseOf(12); }, 1},
      {"2 corps in Tennessee", RunConfederateOperation12, [] { KeepTennesseeCorps(2); },
       [] { return PhaseOf(12); }, 3},
      {"Fort Monroe worth 4 times", RunConfederateOperation13, [] { FortMonroeWorth(8); },
       [] { return int{GameState.Armies[kRebelVirginiaArmy].AiTargetCity}; }, 22},
      {"Fort Monroe worth more", RunConfederateOperation13, [] { FortMonroeWorth(9); },
       [] { return int{GameState.Armies[kRebelVirginiaArmy].AiTargetCity}; }, 23},
      // The strengths the operations weigh, each counted within its radius.
      {"the Union as strong as the enemy at Washington", RunUnionOperation1,
       [] { CapitalFaced(50); }, [] { return int{GameState.Cities[11].GarrisonNeed}; }, 8},
      {"the Union stronger at Washington", RunUnionOperation1, [] { CapitalFaced(51); },
       [] { return int{GameState.Cities[11].GarrisonNeed}; }, 0},
      {"Richmond marched on at even odds", RunUnionOperation5, [] { MarchOnRichmond(50); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Defend},
      {"Richmond marched on at better odds", RunUnionOperation5, [] { MarchOnRichmond(51); },
       [] { return ArmyStance(kPotomacArmy); }, TCombatStance::Advance},
      {"Illinois' 1 intruder in the push", RunUnionOperation2, [] { OhioLinePressed(1); },
       [] { return StanceOfCorpsOn(2); }, TCombatStance::Defend},
      {"Illinois' 2 intruders in the push", RunUnionOperation2, [] { OhioLinePressed(2); },
       [] { return StanceOfCorpsOn(2); }, TCombatStance::Advance},
      {"Kentucky entered at even odds", RunConfederateOperation10, [] { TennesseeArmyFaced(50); },
       [] { return ArmyStance(kRebelArmyOfTennessee); }, TCombatStance::Defend},
      {"Kentucky entered at better odds", RunConfederateOperation10, [] { TennesseeArmyFaced(51); },
       [] { return ArmyStance(kRebelArmyOfTennessee); }, TCombatStance::Advance},
      {"a river post retaken at even odds", RunConfederateOperation11, [] { RiverPostLost(50); },
       [] { return StanceOfCorpsOn(11); }, TCombatStance::Defend},
      {"a river post retaken outmatched", RunConfederateOperation11, [] { RiverPostLost(51); },
       [] { return StanceOfCorpsOn(11); }, TCombatStance::Advance},
      {"Chattanooga faced at even odds", RunConfederateOperation12, [] { ChattanoogaFaced(50); },
       [] { return PhaseOf(12); }, 0},
      {"Chattanooga faced outmatched", RunConfederateOperation12, [] { ChattanoogaFaced(51); },
       [] { return PhaseOf(12); }, 1},
      {"Tennessee's 2 foreign cities against 2 corps", RunUnionOperation7,
       [] { TennesseeHeldWithForeignCities(2); },
       [] { return int{GameState.Armies[kTennesseeArmy].AiOrder}; }, 0},
      {"Tennessee's 3 foreign cities against 2 corps", RunUnionOperation7,
       [] { TennesseeHeldWithForeignCities(3); },
       [] { return int{GameState.Armies[kTennesseeArmy].AiOrder}; }, 7},
      {"Richmond held at even odds", RunConfederateOperation13, [] { VirginiaContested(50); },
       [] { return PhaseOf(13); }, 3},
      {"Richmond held the stronger", RunConfederateOperation13, [] { VirginiaContested(51); },
       [] { return PhaseOf(13); }, 0},
  };
  for (const auto& row : rows) {
    Load1862();
    row.arrange();
    row.run();
    EXPECT_EQ(row.observe(), row.expected) << row.name;
  }
}

// The river campaign counts the armies whose headquarters lie fewer than 12
// hexes from Memphis.
TEST_F(ScriptedOperationsTest, TheRiverArmiesAreCountedFewerThanTwelveHexesFromMemphis) {
  for (const auto& [distance, phase] : {std::pair{11, 3}, std::pair{12, 0}}) {
    Load1862();
    RiverArmyOf(3);
    const TCity& hq = GameState.Cities[GameState.Armies[kMissouriArmy].HqCity];
    TCity& memphis = GameState.Cities[50];
    memphis.X = hq.X;
    memphis.Y = static_cast<std::uint8_t>(hq.Y > distance ? hq.Y - distance : hq.Y + distance);
    RunUnionOperation6();
    EXPECT_EQ(PhaseOf(6), phase) << distance << " hexes";
  }
}

}  // namespace
