// The computer players' turn: who plans what, the commanders it relieves, the
// missions a disordered corps drops, and what France and Britain care for.
#include "opponent/turn_driver.h"

#include <gtest/gtest.h>

#include "opponent/commander_replacement.h"
#include "opponent/planner_fixture.h"
#include "opponent/theatre_posture.h"
#include "tests/world/force_builders.h"
#include "world/force_slots.h"
#include "world/random.h"

namespace {

class TurnDriverTest : public PlannerTest {
 protected:
  // A corps of the nation led by a leader with the modifier given.
  static int LedCorps(int nation, int modifier, int rank = TLeaderClass::Corps) {
    const int c = AddCorpsOf(10, 10 + nation, nation, 80);
    const int l = AddLeader({.side = GameState.Nations[nation].Side,
                             .rank = rank,
                             .status = TLeaderStatus::InCommand,
                             .modifier = modifier});
    GameState.Corps[c].Leader = static_cast<std::uint8_t>(l);
    // Brigades keep the corps on the board through the turn's totals.
    AddBrigade({.nation = nation, .location = c});
    return c;
  }
  static int LedArmy(int nation, int modifier) {
    const int a = AddArmy(30, 30, GameState.Nations[nation].Side, nation);
    const int l = AddLeader({.side = GameState.Nations[nation].Side,
                             .rank = TLeaderClass::Army,
                             .status = TLeaderStatus::InCommand,
                             .modifier = modifier});
    GameState.Armies[a].Leader = static_cast<std::uint8_t>(l);
    return a;
  }
};

TEST_F(TurnDriverTest, ArmyCommandersGoBelowMinus21AndCorpsCommandersBelowMinus20) {
  const struct {
    bool army;
    int modifier;
    bool relieved;
  } rows[] = {{true, -21, false}, {true, -22, true}, {false, -20, false}, {false, -21, true}};
  for (const auto& row : rows) {
    Fresh();
    CurrentSide = TNation::Union;
    const int successor = AddLeader({.rank = row.army ? TLeaderClass::Army : TLeaderClass::Corps});
    const int formation = row.army ? LedArmy(TNation::Union, row.modifier)
                                   : LedCorps(TNation::Union, row.modifier);
    const int old = row.army ? GameState.Armies[formation].Leader : GameState.Corps[formation].Leader;
    ReplaceFailingArmyCommanders();
    const int now = row.army ? GameState.Armies[formation].Leader : GameState.Corps[formation].Leader;
    EXPECT_EQ(now, row.relieved ? successor : old) << row.modifier;
    EXPECT_EQ(GameState.Leaders[old].Status,
              row.relieved ? TLeaderStatus::Relieved : TLeaderStatus::InCommand);
    ASSERT_EQ(window.Notices().size(), row.relieved ? 1u : 0u) << row.modifier;
    if (!row.relieved) continue;
    EXPECT_EQ(window.Notices()[0].lines[1], "text 567");
    EXPECT_EQ(window.Notices()[0].lines[3], row.army ? GameState.Leaders[successor].Name.str() : "");
  }
}

// The army's successor may be a serving corps commander: he hands his corps on
// and takes the army, raised to army rank, rather than being stripped and left.
TEST_F(TurnDriverTest, ACorpsCommanderChosenForAnArmyTakesItAtArmyRank) {
  CurrentSide = TNation::Union;
  const int army = LedArmy(TNation::Union, -30);
  const int corps = LedCorps(TNation::Union, 0, TLeaderClass::Corps);
  const int serving = GameState.Corps[corps].Leader;
  // Of initiative 1, the available leader trails the serving one by more than
  // any draw can make up, so the serving one takes the army whatever the draws.
  const int replacement = AddLeader({.rank = TLeaderClass::Corps, .initiative = 1, .combat = 1});
  SetRandomSeed(1862);
  // His corps keeps its commander's place for the one available leader.
  ReplaceFailingArmyCommanders();
  EXPECT_EQ(GameState.Armies[army].Leader, serving);
  EXPECT_EQ(GameState.Leaders[serving].Status, TLeaderStatus::InCommand);
  EXPECT_EQ(GameState.Leaders[serving].Rank, TLeaderClass::Army);
  EXPECT_EQ(GameState.Corps[corps].Leader, replacement);
}

// A human's disordered corps is still sent back to its supply city.
TEST_F(TurnDriverTest, AHumanNationKeepsItsCommandersAndTheLoopEndsOnBritain) {
  GameState.Nations[TNation::Union].Human = 1;
  GameState.Nations[TNation::Union].RailUsed = 4;
  const int human = LedCorps(TNation::Union, -40);
  const int computer = LedCorps(TNation::Confederacy, -40);
  const int humanLeader = GameState.Corps[human].Leader;
  const int computerLeader = GameState.Corps[computer].Leader;
  AddLeader({.side = TSide::Union});
  AddLeader({.side = TSide::Confederate});
  GameState.Corps[human].Disorder = 3;
  GameState.Corps[human].City =
      static_cast<std::uint8_t>(AddCityIn(10, 20, TSide::Union, TTheatre::Seaboard));
  RunNationTurnLoop();
  EXPECT_EQ(GameState.Corps[human].Leader, humanLeader);
  EXPECT_NE(GameState.Corps[computer].Leader, computerLeader);
  EXPECT_EQ(CurrentSide, TNation::Britain);
  EXPECT_EQ(GameState.Corps[human].DestY, 20);
  EXPECT_EQ(GameState.Nations[TNation::Union].RailUsed, 0);
}

// A disordered corps drops its operation, except a Union corps going by sea.
TEST_F(TurnDriverTest, DisorderedCorpsLeaveTheirOperationsButTheUnionsSeaTransport) {
  const struct {
    int nation;
    int mission;
    int kept;
  } rows[] = {{TNation::Union, 9, 9}, {TNation::Union, 3, 0}, {TNation::Confederacy, 9, 0}};
  for (const auto& row : rows) {
    Fresh();
    // A landing is under way, so the sea transport keeps its corps.
    const int port = AddCityIn(20, 20, TSide::Union, TTheatre::Seaboard);
    const int enemyPort = AddCityIn(30, 20, TSide::Confederate, TTheatre::Seaboard, 5);
    GameState.Cities[enemyPort].Nation = TNation::Confederacy;
    GameState.Cities[enemyPort].SeaPort = 1;
    const int fleet = AddFleet(20, 20, TSide::Union, TNation::Union);
    GameState.Fleets[fleet].Kind = 1;
    GameState.Fleets[fleet].Ships[TShipType::Transport] = 2;
    GameState.Fleets[fleet].Mission = TFleetMission::Move;
    const int waiting = AddCorpsOf(20, 20, row.nation, 80);
    GameState.Corps[waiting].ArtilleryBrigades = 1;
    GameState.Corps[waiting].City = static_cast<std::uint8_t>(port);
    const int c = AddCorpsOf(10, 10, row.nation, 80);
    GameState.Corps[c].Disorder = 1;
    GameState.Corps[c].Stance = TCombatStance::Embarked;
    GameState.Corps[c].AiMission = static_cast<std::uint16_t>(row.mission);
    row.nation == TNation::Union ? PlanUnion() : PlanConfederacy();
    EXPECT_EQ(GameState.Corps[c].AiMission, row.kept) << row.nation << " " << row.mission;
  }
}

// France values the two powers' cities by works, garrison and supply; Britain
// her own much more, and Canada (state 33) while she holds it.
TEST_F(TurnDriverTest, FranceAndBritainValueTheCitiesTheyCareFor) {
  const struct {
    int france, britain, canadaHolder;
    int frenchValue, britishValue, canadianValue;
  } rows[] = {{TSide::None, TSide::None, TNation::Britain, 3 + 5 + 4 + 10, 10 + 50 + 40 + 50, 35},
              {TSide::None, TSide::None, TNation::Confederacy, 3 + 5 + 4 + 10, 10 + 50 + 40 + 50, 0},
              // At war their landings are planned, valuing the enemy's ports alone.
              {TSide::Confederate, TSide::Confederate, TNation::Confederacy, 0, 0, 0}};
  for (const auto& row : rows) {
    Fresh();
    GameState.Nations[TNation::France].Side = static_cast<std::uint8_t>(row.france);
    GameState.Nations[TNation::Britain].Side = static_cast<std::uint8_t>(row.britain);
    GameState.States[33].Nation = static_cast<std::uint8_t>(row.canadaHolder);
    const int french = AddCity(40, 40, TSide::None);
    const int british = AddCity(41, 40, TSide::None);
    const int canadian = AddCity(42, 40, TSide::Confederate);
    GameState.Cities[french].Nation = TNation::France;
    GameState.Cities[british].Nation = TNation::Britain;
    GameState.Cities[canadian].State = 33;
    for (int c : {french, british}) {
      GameState.Cities[c].OriginalSide = 0;
      GameState.Cities[c].Fortifications = 1;
      GameState.Cities[c].GarrisonCount = 2;
      GameState.Cities[c].SupplyLevel = 1;
    }
    PlanFrance();
    EXPECT_EQ(GameState.Cities[french].AiValue, row.frenchValue);
    for (int c : {french, british, canadian}) GameState.Cities[c].AiValue = 0;
    PlanBritain();
    EXPECT_EQ(GameState.Cities[british].AiValue, row.britishValue) << row.britain;
    EXPECT_EQ(GameState.Cities[canadian].AiValue, row.canadianValue) << row.canadaHolder;
  }
}

// The Confederacy runs its Tennessee and river defences while its posture in
// the West is below all-out, its invasion of Kentucky while it is above
// defensive, and its defence of Virginia while its Seaboard posture is below
// all-out. Each operation's trigger holds, so one that runs leaves its idle
// phase. With no theatre active the postures stay as set.
TEST_F(TurnDriverTest, TheSouthsOperationsRunOnlyAtTheirTheatrePostures) {
  constexpr int kKentucky = 20, kTennessee = 21, kVirginia = 22, kRiverState = 24;
  constexpr int kRichmond = 17;
  const struct {
    int west, seaboard;
    int tennessee, river, kentucky, virginia;  // the phases of operations 12, 11, 10 and 13
  } rows[] = {
      {TAiPosture::Offensive, TAiPosture::Offensive, 1, 1, 2, 3},
      {TAiPosture::AllOut, TAiPosture::AllOut, 0, 0, 2, 0},
      {TAiPosture::Defensive, TAiPosture::Offensive, 1, 1, 0, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "West " << row.west << ", Seaboard " << row.seaboard);
    Fresh();
    TNationRec& south = GameState.Nations[TNation::Confederacy];
    south.AiTheatrePosture[TTheatre::West] = static_cast<std::uint8_t>(row.west);
    south.AiTheatrePosture[TTheatre::Seaboard] = static_cast<std::uint8_t>(row.seaboard);
    GameState.States[kKentucky].ControlSide = TSide::Union;
    for (const int state : {kTennessee, kVirginia, kRiverState})
      GameState.States[state].ControlSide = TSide::Confederate;
    GameState.Cities[kRichmond].X = GameState.Cities[kRichmond].Y = 40;
    AddCorpsOf(40, 41, TNation::Union, 50);
    PlanConfederacy();
    EXPECT_EQ(GameState.AiPlans[12].Phase, row.tennessee);
    EXPECT_EQ(GameState.AiPlans[11].Phase, row.river);
    EXPECT_EQ(GameState.AiPlans[10].Phase, row.kentucky);
    EXPECT_EQ(GameState.AiPlans[13].Phase, row.virginia);
  }
}

// Each plan asks its capital for a garrison: the Union for 3 brigades, the
// Confederacy for 4; France leans 10 levels harder on the Mississippi.
TEST_F(TurnDriverTest, TheCapitalsAskForThreeAndFourBrigadesAndFranceLeansOnTheMississippi) {
  const struct {
    int nation;
    void (*plan)();
    int need;
  } rows[] = {{TNation::Union, PlanUnion, 3}, {TNation::Confederacy, PlanConfederacy, 4}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.nation);
    Fresh();
    SetRandomSeed(4);
    const int capital = AddCityIn(40, 40, GameState.Nations[row.nation].Side, TTheatre::West);
    GameState.Nations[row.nation].Capital = static_cast<std::uint8_t>(capital);
    row.plan();
    EXPECT_EQ(GameState.Cities[capital].GarrisonNeed, row.need);
  }
  Fresh();
  PlanFrance();
  EXPECT_EQ(GameState.Nations[TNation::France].AiAggressionLevel[TTheatre::Mississippi], 10);
}

}  // namespace
