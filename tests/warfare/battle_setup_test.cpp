#include "warfare/battle_setup.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/warfare/battle_fixture.h"
#include "world/play_modes.h"

namespace {

using BattleSetUpTest = BattleTest;

// A computer commander fights at half his initiative (the Confederate rounds
// up), one level higher with more than twice the enemy's brigades, one lower
// (never below 1) against more than twice his own; from 1 to 5.
TEST(ComputerIntensity, FollowsTheCommanderAndTheOdds) {
  using R = std::tuple<int, int, int, int, int>;
  for (const auto& [side, initiative, own, enemy, intensity] :
       {R{1, 7, 10, 20, 3}, R{1, 7, 10, 21, 2}, R{2, 7, 10, 10, 4}, R{1, 7, 20, 10, 3},
        R{1, 7, 21, 10, 4}, R{1, 10, 21, 10, 5}, R{1, 1, 10, 10, 1}, R{1, 2, 10, 21, 1}})
    EXPECT_EQ(ComputerIntensity(side, initiative, own, enemy), intensity) << initiative << own;
}

// The highest rank on the hex commands, the first of equals, unless an army
// commander is there.
TEST_F(BattleSetUpTest, TheHighestRankCommandsUnlessAnArmyCommanderIsThere) {
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Divisional});
  const int first = AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Corps});
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Corps});
  const int army = AddArmy(30, 30, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[AddEngagedCorps(TSide::Confederate, 1)].Army = army;
  GameState.Armies[army].Leader = AddLeader({.side = TSide::Confederate, .rank = 5});
  BattleContext ctx;
  SetUpBattle(ctx);
  EXPECT_EQ(ctx.UnionCommander, GameState.Corps[first].Leader);
  EXPECT_EQ(ctx.ConfedCommander, GameState.Armies[army].Leader);
}

// The factors sum the corps, a weapon sum saturating; the weather is weighed
// on both rows once per Union corps, after each set the Union's ground row
// to 0. The Confederates hold rough ground (30) in snow (20).
TEST_F(BattleSetUpTest, FactorsSumTheCorpsAndTheWeatherCountsOncePerUnionCorps) {
  GameState.WeaponTypes[1].FireA = 200;
  GameState.WeaponTypes[1].FireB = 50;
  GameState.Cities[AddCity(22, 20, TSide::Union)].State = 3;
  GameState.States[3].Theatre = TTheatre::West;
  GameState.Weather[TTheatre::West] = 5;
  MapRecord.Cell(kX, kY).SetTerrain(5);
  MapRecord.Cell(kX, kY).SetOwner(TSide::Confederate);
  AddEngagedCorps(TSide::Confederate, 2, 1);
  for (int i = 0; i < 2; ++i) AddEngagedCorps(TSide::Union, 5);
  for (int b = 4; b <= 13; ++b) GameState.Brigades[b].Weapon = 1;
  BattleContext ctx;
  EXPECT_EQ(SetUpBattle(ctx).location, "text 5130text 52City 1, ");
  EXPECT_EQ(BattleFactors[TBattleFactor::Battlefield][1], 20);
  EXPECT_EQ(BattleFactors[TBattleFactor::Battlefield][2], 70);
  EXPECT_EQ(BattleFactors[TBattleFactor::Weapons][1], 65535);
}

// A side holding the hex gets 20 on classes 4, 6 and 7, 30 on 2 and 5,
// nothing in the open. Each corps adds its supply priority + 1, but one
// stocked for the open field (2) sets the row to 4. A line brigade's weapon
// weighs 8 times its FireA x FireB, a battery's 12 times.
TEST_F(BattleSetUpTest, GroundSupplyAndWeaponsAreWeighedByTheirOwnRules) {
  using R = std::tuple<int, std::vector<int>, int, int, int, int>;
  for (const auto& [terrain, priorities, guns, battlefield, supply, weapons] :
       {R{4, {1}, 0, 20, 2, 96}, R{7, {1}, 0, 20, 2, 96}, R{2, {1}, 0, 30, 2, 96}, R{1, {1}, 0, 0, 2, 96},
        R{1, {0}, 0, 0, 1, 96}, R{1, {1, 2}, 0, 0, 4, 192}, R{1, {2, 1}, 0, 0, 6, 192},
        R{1, {1}, 1, 0, 2, 96 + 144}}) {
    SetUp();
    MapRecord.Cell(kX, kY).SetTerrain(terrain);
    MapRecord.Cell(kX, kY).SetOwner(TSide::Union);
    GameState.WeaponTypes[1].FireA = 3;
    GameState.WeaponTypes[1].FireB = 4;
    for (int priority : priorities) GameState.Corps[AddEngagedCorps(TSide::Union, 1, guns)].SupplyPriority = priority;
    AddEngagedCorps(TSide::Confederate, 1);
    for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b].Weapon = 1;
    BattleContext ctx;
    SetUpBattle(ctx);
    EXPECT_EQ(std::tuple(BattleFactors[TBattleFactor::Battlefield][1], BattleFactors[TBattleFactor::Supply][1],
                         BattleFactors[TBattleFactor::Weapons][1]),
              std::tuple(battlefield, supply, weapons))
        << "terrain " << terrain << ", " << priorities.size() << " corps";
  }
}

// Defenders of a fortified city dig in behind twice its works; a corps aboard
// a fleet stays out; initiatives are held between 0 and 12.
TEST_F(BattleSetUpTest, TheStartIsRecordedAndFortifiedDefendersDigIn) {
  GameState.Cities[AddCity(kX, kY, TSide::Confederate)].Fortifications = 3;
  const int attacker = AddEngagedCorps(TSide::Union, 2, 1);
  const int defender = AddEngagedCorps(TSide::Confederate, 1);
  const int embarked = AddEngagedCorps(TSide::Confederate, 1);
  GameState.Corps[embarked].Stance = TCombatStance::Embarked;
  GameState.Corps[attacker].LeaderInitiative = 200;
  GameState.Corps[defender].LeaderInitiative = 13;
  BattleContext ctx;
  SetUpBattle(ctx);
  EXPECT_EQ(GameState.Corps[defender].Entrenchment, 6);
  EXPECT_EQ(GameState.Corps[attacker].Entrenchment, 0);
  EXPECT_FALSE(ctx.engaged[embarked]);
  EXPECT_EQ(CorpsBattleStart[attacker + 120], 32);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[attacker].Leader].Initiative, 0);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[defender].Leader].Initiative, 12);
}

// Only a human side chooses its intensity, in play by mail only the mail
// side; the others fight at their commander's (6 div 2), and the battle may
// be fought at once only when neither chooses.
TEST_F(BattleSetUpTest, OnlyAHumanSideChoosesAndInPlayByMailOnlyTheMailSide) {
  using R = std::tuple<int, int, bool, bool, bool>;
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.initiative = 6});
  AddEngagedCorps(TSide::Confederate, 1, 0, 80, {.initiative = 6});
  for (const auto& [playMode, mailSide, unionHuman, unionChooses, confedChooses] :
       {R{TPlayMode::OneMachine, 0, true, true, true}, R{TPlayMode::OneMachine, 0, false, false, true},
        R{1, 2, true, true, true}, R{TPlayMode::MailSetUp, 2, true, false, true},
        R{TPlayMode::MailToSend, 1, true, true, false}, R{TPlayMode::MailReceived, 3, true, false, false}}) {
    GameState.PlayMode = playMode;
    GameState.MailSide = mailSide;
    GameState.Nations[TNation::Union].Human = unionHuman;
    GameState.Nations[TNation::Confederacy].Human = 1;
    BattleContext ctx;
    const BattleForm form = SetUpBattle(ctx);
    EXPECT_EQ(form.choosesIntensity, (std::array{unionChooses, confedChooses})) << playMode << mailSide;
    EXPECT_EQ(ctx.UnionIntensity, unionChooses ? 0 : 3);
    EXPECT_EQ(form.executeEnabled, !unionChooses && !confedChooses);
  }
}

}  // namespace
