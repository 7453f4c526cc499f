#include "warfare/battle_setup.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "world/play_modes.h"

namespace {

using BattleSetUpTest = BattleTest;

struct ComputerIntensityCase {
  int side;
  int initiative;
  int own;
  int enemy;
  int expected;
};

TEST(ComputerIntensity, FollowsTheCommanderAndTheOdds) {
  const ComputerIntensityCase cases[] = {
      {1, 7, 10, 20, 3},  // the enemy has exactly twice the brigades
      {1, 7, 10, 21, 2},  // more than twice
      {2, 7, 10, 10, 4},  // the Confederate commander rounds up
      {1, 7, 20, 10, 3},  // exactly twice the enemy's
      {1, 7, 21, 10, 4},  // more than twice
      {1, 10, 21, 10, 5},  // at most 5
      {1, 1, 10, 10, 1},   // 0 becomes 1
      {1, 2, 10, 21, 1},   // a skirmisher is not lowered further
  };
  for (const ComputerIntensityCase& c : cases) {
    EXPECT_EQ(ComputerIntensity(c.side, c.initiative, c.own, c.enemy), c.expected)
        << "side " << c.side << ", initiative " << c.initiative << ", " << c.own << " against " << c.enemy;
  }
}

TEST_F(BattleSetUpTest, TheHighestRankCommandsUnlessAnArmyCommanderIsThere) {
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Divisional});
  const int first = AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Corps});
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.rank = TLeaderClass::Corps});
  const int rebel = AddEngagedCorps(TSide::Confederate, 1);
  const int army = AddArmy(30, 30, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[rebel].Army = static_cast<std::uint8_t>(army);
  // An army without a commander leaves the corps leader in command.
  BattleContext ctx;
  SetUpBattle(ctx);
  EXPECT_EQ(ctx.UnionCommander, GameState.Corps[first].Leader);
  EXPECT_EQ(ctx.ConfedCommander, GameState.Corps[rebel].Leader);

  GameState.Armies[army].Leader = static_cast<std::uint8_t>(AddLeader({.side = TSide::Confederate, .rank = 5}));
  BattleContext withArmy;
  SetUpBattle(withArmy);
  EXPECT_EQ(withArmy.ConfedCommander, GameState.Armies[army].Leader);
}

TEST_F(BattleSetUpTest, FactorsSumTheCorpsAndTheWeatherCountsOncePerUnionCorps) {
  GameState.WeaponTypes[1].FireA = 200;
  GameState.WeaponTypes[1].FireB = 50;
  const int city = AddCity(22, 20, TSide::Union);
  GameState.Cities[city].State = 3;
  GameState.States[3].Theatre = TTheatre::West;
  GameState.Weather[TTheatre::West] = 5;
  MapRecord.Cell(kX, kY).SetTerrain(5);
  MapRecord.Cell(kX, kY).SetOwner(TSide::Confederate);
  const int rebel = AddEngagedCorps(TSide::Confederate, 2, 1);
  GameState.Corps[rebel].SupplyPriority = 2;
  GameState.Corps[rebel].Fatigue = 4;
  for (int i = 0; i < 2; ++i) {
    const int c = AddEngagedCorps(TSide::Union, 5);
    for (int b = 1; b <= GameState.Brigades.Count; ++b)
      if (GameState.Brigades[b].Location == c) GameState.Brigades[b].Weapon = 1;
  }
  BattleContext ctx;
  const BattleForm form = SetUpBattle(ctx);

  EXPECT_EQ(BattleCorps1, 10);
  EXPECT_EQ(BattleCorps2, 3);
  EXPECT_EQ(BattleFactors[TBattleFactor::TotalTroops][1], 800);
  EXPECT_EQ(BattleFactors[TBattleFactor::TotalTroops][2], 176);
  // The Confederates hold the rough ground (30); the weather is weighed once
  // per Union corps on both rows, after each Union corps set its own row to 0.
  EXPECT_EQ(BattleFactors[TBattleFactor::Battlefield][1], 20);
  EXPECT_EQ(BattleFactors[TBattleFactor::Battlefield][2], 70);
  EXPECT_EQ(BattleFactors[TBattleFactor::Fatigue][2], 12);
  // Ten brigades of 10,000 x 8 do not wrap the word.
  EXPECT_EQ(BattleFactors[TBattleFactor::Weapons][1], 65535);
  EXPECT_EQ(BattleFactors[TBattleFactor::Supply][2], 4);
  EXPECT_EQ(BattleFactors[TBattleFactor::CorpsCount][1], 2);
  EXPECT_EQ(form.weather, "text 53text 84");
  EXPECT_EQ(form.location, "text 5130text 52City 1, ");
  EXPECT_EQ(form.terrain, "text 519");
}

TEST_F(BattleSetUpTest, TheStartIsRecordedAndFortifiedDefendersDigIn) {
  const int city = AddCity(kX, kY, TSide::Confederate);
  GameState.Cities[city].Fortifications = 3;
  GameState.Cities[city].State = 4;
  GameState.States[4].Name = "Georgia";
  const int attacker = AddEngagedCorps(TSide::Union, 2, 1);
  const int defender = AddEngagedCorps(TSide::Confederate, 1);
  const int embarked = AddEngagedCorps(TSide::Confederate, 1);
  GameState.Corps[embarked].Stance = TCombatStance::Embarked;
  GameState.Corps[attacker].LeaderInitiative = 200;
  GameState.Corps[defender].LeaderInitiative = 13;
  BattleContext ctx;
  const BattleForm form = SetUpBattle(ctx);

  EXPECT_EQ(form.location, "text 2City 1, Georgia");
  EXPECT_EQ(GameState.Corps[defender].Entrenchment, 6);
  EXPECT_EQ(GameState.Corps[attacker].Entrenchment, 0);
  EXPECT_EQ(GameState.Corps[embarked].Entrenchment, 0);
  EXPECT_FALSE(ctx.engaged[embarked]);
  EXPECT_EQ(BattleCorps2, 1);
  EXPECT_EQ(CorpsBattleStart[attacker], 160);
  EXPECT_EQ(CorpsBattleStart[attacker + 120], 32);
  EXPECT_EQ(CorpsBattleMark[attacker], 10);
  // A negative initiative is none, one above 12 is 12, for corps and leader alike.
  EXPECT_EQ(GameState.Corps[attacker].LeaderInitiative, 0);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[attacker].Leader].Initiative, 0);
  EXPECT_EQ(GameState.Corps[defender].LeaderInitiative, 12);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[defender].Leader].Initiative, 12);
}

struct ChooserCase {
  int playMode;
  int mailSide;
  bool unionHuman;
  bool confedHuman;
  bool unionChooses;
  bool confedChooses;
};

TEST_F(BattleSetUpTest, OnlyAHumanSideChoosesAndInPlayByMailOnlyTheMailSide) {
  AddEngagedCorps(TSide::Union, 1, 0, 80, {.initiative = 6});
  AddEngagedCorps(TSide::Confederate, 1, 0, 80, {.initiative = 6});
  const ChooserCase cases[] = {
      {TPlayMode::OneMachine, 0, true, true, true, true},
      {TPlayMode::OneMachine, 0, false, true, false, true},
      {TPlayMode::OneMachine, 0, false, false, false, false},
      {1, 2, true, true, true, true},
      {TPlayMode::MailSetUp, 2, true, true, false, true},
      {TPlayMode::MailToSend, 1, true, true, true, false},
      {TPlayMode::MailReceived, 3, true, true, false, false},
  };
  for (const ChooserCase& c : cases) {
    GameState.PlayMode = static_cast<std::uint16_t>(c.playMode);
    GameState.MailSide = static_cast<std::uint16_t>(c.mailSide);
    GameState.Nations[TNation::Union].Human = c.unionHuman;
    GameState.Nations[TNation::Confederacy].Human = c.confedHuman;
    for (int m = 1; m <= 2; ++m) GameState.Corps[m].BattleMark = TBattleMark::Engaged;
    BattleContext ctx;
    const BattleForm form = SetUpBattle(ctx);
    SCOPED_TRACE(testing::Message() << "mode " << c.playMode << ", mail side " << c.mailSide);
    EXPECT_EQ(form.choosesIntensity[0], c.unionChooses);
    EXPECT_EQ(form.choosesIntensity[1], c.confedChooses);
    // A side that does not choose has its commander's intensity: 6 div 2, (6 + 1) div 2.
    EXPECT_EQ(ctx.UnionIntensity, c.unionChooses ? 0 : 3);
    EXPECT_EQ(ctx.ConfedIntensity, c.confedChooses ? 0 : 3);
    EXPECT_EQ(form.executeEnabled, !c.unionChooses && !c.confedChooses);
  }
}

}  // namespace
