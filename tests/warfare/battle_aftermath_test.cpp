#include "warfare/battle_aftermath.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/battle_fixture.h"
#include "world/brigade_rules.h"

namespace {

// Corps 1 of two Union brigades of 50: two hits are one point of disorder.
class BattleAftermathTest : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    AddEngagedCorps(TSide::Union, 2, 0, 50);
  }
  // Settles the corps after the hits, with no draw lowering anything.
  void Settle(int hits, int outcome, int entrenchment = 0, int modifier = 0) {
    GameState.Corps[1].Entrenchment = entrenchment;
    GameState.Corps[1].Fatigue = 0;
    GameState.Leaders[1].Modifier = modifier;
    ctx.hits[1] = hits;
    GameState.BattleOutcome = outcome;
    Script({{100, 99}, {100, 99}, {100, 99}});
    ApplyBattleAftermath(ctx, 1);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
  BattleContext ctx;
};

// Disorder is hits x 50 over the men, at most 15, less the works (1 left);
// a winner keeps none below 8, 1 below 13, else 3, and tires 4 + twice it;
// a loser tires by it and loses its works, an undecided battle tires 3 more
// and keeps them. The commander is charged the disorder.
TEST_F(BattleAftermathTest, AWinnerKeepsLittleDisorderAndALoserLosesItsWorks) {
  using R = std::tuple<int, int, int, int, int, int>;
  for (const auto& [hits, outcome, works, disorder, worksKept, fatigue] :
       {R{14, 2, 0, 0, 0, 4 + 14}, R{16, 2, 0, 1, 0, 4 + 16}, R{24, 2, 0, 1, 0, 4 + 24},
        R{26, 2, 0, 3, 0, 4 + 26}, R{400, 2, 0, 3, 0, 4 + 30}, R{10, 3, 2, 3, 0, 3},
        R{10, 1, 2, 3, 2, 3 + 3}, R{0, 3, 2, 0, 0, 1}, R{2, 3, 4, 1, 0, 1}}) {
    Settle(hits, outcome, works);
    const TCorps& corps = GameState.Corps[1];
    EXPECT_EQ(std::tuple(corps.Disorder, corps.Entrenchment, corps.Fatigue),
              std::tuple(disorder, worksKept, fatigue)) << hits << " hits, outcome " << outcome;
    EXPECT_EQ(GameState.Leaders[1].Modifier, -disorder);
  }
}

// After a lost battle: the nation's leadership advantage lowers disorder
// above 1 when it is smaller than the disorder; a cavalry division halves
// what is left; then a draw below the commander's aggression, or (with an
// army commander) half as much again as both together, halves disorder above
// 1. A commander below 21 experience gains 5.
TEST_F(BattleAftermathTest, LeadershipCavalryAndAggressionEachLowerTheLosersDisorder) {
  struct Row {
    int disorder;  // from the hits
    int advantage;
    bool cavalry;
    int aggression;
    int armyAggression;  // -1: no army
    int draw;
    int after;
  };
  const Row rows[] = {
      {5, 4, false, 0, -1, 99, 1},   {5, 5, false, 0, -1, 99, 5},   {2, 1, false, 0, -1, 99, 1},
      {5, 0, true, 0, -1, 99, 2},    {5, 0, false, 30, -1, 29, 2},
      {5, 0, false, 30, -1, 30, 5},  {5, 0, false, 30, 10, 59, 2},  {5, 0, false, 30, 10, 60, 5},
      {2, 0, false, 30, -1, 0, 1},   {3, 2, false, 30, -1, 0, 1},
  };
  TCorps& corps = GameState.Corps[1];
  TLeader& leader = GameState.Leaders[corps.Leader];
  for (const Row& row : rows) {
    GameState.Nations[TNation::Union].LeadershipAdvantage = row.advantage;
    corps.Kind = row.cavalry ? TCorpsKind::CavalryDivision : TCorpsKind::Corps;
    corps.Army = 0;
    if (row.armyAggression >= 0) {
      corps.Army = AddArmy(30, 30, TSide::Union, TNation::Union);
      GameState.Armies[corps.Army].Leader = AddLeader({});
      GameState.Leaders[GameState.Armies[corps.Army].Leader].Aggression = row.armyAggression;
    }
    leader.Aggression = row.aggression;
    leader.Experience = row.disorder == 5 ? 20 : 21;
    ctx.hits[1] = 2 * row.disorder;
    GameState.BattleOutcome = 3;
    Script({{100, 99}, {100, 99}, {100, row.draw}});
    ApplyBattleAftermath(ctx, 1);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(corps.Disorder, row.after) << row.disorder << ", advantage " << row.advantage << ", draw " << row.draw;
    EXPECT_EQ(leader.Experience, row.disorder == 5 ? 25 : 21);
  }
}

// Every brigade's quality is held at 10 before the corps' own may grow by one
// on a draw below 10.
TEST_F(BattleAftermathTest, QualityIsCappedAtTenForEveryBrigadeBeforeTheDrawsOfTheCorps) {
  GameState.Brigades[1].Quality = 12;
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .quality = 11});
  Script({{100, 9}, {100, 10}, {100, 99}});
  ApplyBattleAftermath(ctx, 1);
  EXPECT_EQ(GameState.Brigades[1].Quality, 11);
  EXPECT_EQ(GameState.Brigades[2].Quality, 1);
  EXPECT_EQ(GameState.Brigades[garrison].Quality, 10);
}

// On ground the Confederacy holds, a state steadies its own side's corps and
// unsettles a camp not controlling it; a commander's modifier is charged the
// disorder, his army commander's half of it, each only above -20. An own city
// rallies a loser by a third of its works, a winner wholly.
TEST_F(BattleAftermathTest, OwnCitiesHomeGroundAndModifiersAtTheirFloor) {
  using R = std::tuple<int, int, int, int, int, int, int>;
  MapRecord.Cell(kX, kY).Bytes[2] = 7;
  TCorps& corps = GameState.Corps[1];
  corps.Army = static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Union, TNation::Union));
  const int general = AddLeader({.rank = TLeaderClass::Army});
  GameState.Armies[corps.Army].Leader = static_cast<std::uint8_t>(general);
  for (const auto& [owner, stateSide, controlSide, modifier, disorder, modifierAfter,
                    generalAfter] :
       {R{2, 2, 2, 0, 5 + 1, -6, -3}, R{2, 1, 1, 0, 5 - 1, -4, -2}, R{1, 2, 2, 0, 5, -5, -2},
        R{0, 2, 2, -19, 5, -24, -21}, R{0, 2, 2, -20, 5, -20, -20}}) {
    MapRecord.Cell(kX, kY).SetOwner(owner);
    GameState.States[7].Side = stateSide;
    GameState.States[7].ControlSide = controlSide;
    GameState.Leaders[general].Modifier = static_cast<std::int8_t>(modifier);
    Settle(10, 3, 0, modifier);
    EXPECT_EQ(corps.Disorder, disorder) << "owner " << owner;
    EXPECT_EQ(GameState.Leaders[1].Modifier, modifierAfter) << "owner " << owner;
    EXPECT_EQ(GameState.Leaders[general].Modifier, generalAfter) << "owner " << owner;
  }
  MapRecord.Cell(kX, kY).SetOwner(0);
  GameState.Cities[AddCity(kX, kY, TSide::Union)].Fortifications = 6;
  for (const auto& [outcome, disorder] : {std::pair{3, 3}, {2, 0}}) {
    Settle(10, outcome);
    EXPECT_EQ(GameState.Corps[1].Disorder, disorder) << "outcome " << outcome;
  }
}

}  // namespace
