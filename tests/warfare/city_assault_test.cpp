// Assaults on a garrisoned city under scripted draws: when the works are
// bombarded and when stormed, how each step ends, and what the city, its
// garrison and the attackers are left with.
#include "warfare/city_assault.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/warfare/battle_fixture.h"
#include "world/brigade_rules.h"
#include "world/city_control.h"

namespace {

// The draws a rule will ask for, bound by bound.
class Draws {
 public:
  Draws& Each(int bound, std::initializer_list<int> values) {
    for (int value : values) list_.push_back({bound, value});
    return *this;
  }
  Draws& Repeat(int bound, int value, int count) {
    for (int i = 0; i < count; ++i) list_.push_back({bound, value});
    return *this;
  }
  void Script() const { ScriptRandomDraws(list_); }

 private:
  std::deque<ScriptedDraw> list_;
};

class CityAssaultTest : public BattleTest {
 protected:
  int AddCityOf(int side, int works) {
    const int city = AddCity(kX, kY, side);
    GameState.Cities[city].Fortifications = static_cast<std::uint8_t>(works);
    GameState.Cities[city].State = 1;
    return city;
  }

  static int AddGarrison(int city, int nation, int arm, int strength, int homeState = 1) {
    const int b = AddBrigade({.nation = nation,
                              .arm = arm,
                              .strength = strength,
                              .status = TBrigadeStatus::InGarrison,
                              .location = city,
                              .homeState = homeState});
    RecountGarrison(city);
    return b;
  }

  // An orderly corps of the camp on the hex: line brigades of these
  // strengths, and a battery when guns is not 0.
  static int AddAttackers(int side, std::initializer_list<int> line, int guns = 0) {
    const int c = AddCorps(kX, kY, side, side);
    GameState.Corps[c].Readiness = 10;
    GameState.Corps[c].Stance = TCombatStance::Advance;
    GameState.Corps[c].BattleMark = TBattleMark::Engaged;
    for (int strength : line) AddBrigade({.nation = side, .strength = strength, .location = c});
    if (guns != 0)
      AddBrigade({.nation = side, .arm = TArm::Artillery, .strength = guns, .location = c});
    return c;
  }

  // The assault from its set-up to the OK; the number of Executes pressed.
  int Assault(int city, int camp) {
    SetUpCityAssault(city, camp);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    return static_cast<int>(battleViews.AssaultForms().size()) - 1;
  }

  const AssaultForm& LastForm() const { return battleViews.AssaultForms().back(); }
};

TEST(StormRound, GivesWayToBrokenMoraleAndToLosingAllTheMen) {
  struct Case {
    bool garrisonBroke, attackersBroke;
    int garrisonLost, garrison, attackersLost, attackers;
    int result;
  };
  const Case cases[] = {
      {false, false, 4, 5, 4, 5, 0},
      {false, false, 5, 5, 4, 5, TStorm::Carried},
      {false, false, 4, 5, 5, 5, TStorm::Repulsed},
      {true, false, 0, 5, 0, 5, TStorm::Carried},
      {true, true, 0, 5, 0, 5, TStorm::Repulsed},    // the attackers' break counts last
      {false, true, 5, 5, 0, 5, TStorm::Carried},    // a garrison that lost all its men is overcome
      {false, false, 5, 5, 5, 5, TStorm::Repulsed},  // unless the attackers lost all theirs
      {false, false, 0, 0, 0, 3, TStorm::Carried},   // a garrison of guns alone
      {false, false, 0, 3, 0, 0, TStorm::Repulsed},  // attackers of guns alone
  };
  for (const Case& c : cases)
    EXPECT_EQ(StormRoundResult(c.garrisonBroke, c.attackersBroke, c.garrisonLost, c.garrison,
                               c.attackersLost, c.attackers),
              c.result)
        << c.garrisonLost << " of " << c.garrison << " against " << c.attackersLost << " of "
        << c.attackers;
}

TEST(StormMorale, FallsATenthWithTheMenAndIsWholeOnceTheyAreGone) {
  const struct {
    int lost, men, morale;
  } cases[] = {{0, 10, 100}, {1, 10, 99}, {10, 10, 90}, {11, 10, 100},
               {3, 7, 96},   {0, 0, 100}, {5, 0, 100}};
  for (const auto& c : cases)
    EXPECT_EQ(MoraleAfterLosses(c.lost, c.men), c.morale) << c.lost << " of " << c.men;
}

TEST_F(CityAssaultTest, CountsTheForcesOfBothSidesOnTheForm) {
  const int city = AddCityOf(TSide::Union, 2);
  GameState.Cities[city].CoastalGuns = 3;
  AddGarrison(city, TNation::Union, TArm::Infantry, 40);
  AddGarrison(city, TNation::Union, TArm::Artillery, 8);
  AddAttackers(TSide::Confederate, {60, 20}, 16);
  const int own = AddFleet(kX, kY, TSide::Union, TNation::Union);
  GameState.Fleets[own].Ships[TShipType::Ironclad] = 1;
  GameState.Fleets[own].Ships[TShipType::Transport] = 5;
  const int enemy = AddFleet(kX, kY, TSide::Confederate, TNation::Confederacy);
  GameState.Fleets[enemy].DamagedShips[TShipType::Warship] = 2;
  const int disordered = AddAttackers(TSide::Confederate, {80});
  GameState.Corps[disordered].Disorder = 3;
  const int aboard = AddAttackers(TSide::Confederate, {80});
  GameState.Corps[aboard].Stance = TCombatStance::Embarked;
  const CityAssault assault = PrepareCityAssault(city, TSide::Confederate);
  EXPECT_EQ(assault.form.title, "text 112City 1");
  EXPECT_EQ(assault.form.forces,
            (std::array<std::string, 7>{"2text 113", "2000text 114", "8text 115", "4text 116",
                                        "4000text 117", "16text 118", "2text 119"}));
  EXPECT_EQ(GameState.BattleOutcome, 1);
  GameState.Cities[city].CoastalGuns = 0;
  GameState.Fleets[own].Side = GameState.Fleets[enemy].Side = TSide::None;
  EXPECT_EQ(PrepareCityAssault(city, TSide::Confederate).form.forces[3], "")
      << "no defending guns, no line";
}

// An attacker without guns or ships never harms the works: seven rounds of
// their fire, the bombardment fails, and no storm follows.
TEST_F(CityAssaultTest, ABombardmentWithoutGunsFailsAfterSevenRounds) {
  const int city = AddCityOf(TSide::Union, 2);
  AddGarrison(city, TNation::Union, TArm::Infantry, 40);
  AddAttackers(TSide::Confederate, {3});
  Draws().Repeat(100, 99, 7 * 3).Script();
  EXPECT_EQ(Assault(city, TSide::Confederate), 1);
  EXPECT_EQ(LastForm().bombardment, "text 123");
  EXPECT_EQ(LastForm().storm, "");
  EXPECT_TRUE(LastForm().over);
  EXPECT_EQ(GameState.Cities[city].Fortifications, 2);
  EXPECT_EQ(GameState.BattleOutcome, 1);
}

// One round against works of 1 and no guns: the works fire two shots (their
// level and one more), each hitting the attackers below 70 in 100; a hit
// costs a brigade a point on a draw below 20 in 50, the line brigade asked
// first, its battery next. The battery's first shot brings the works down.
TEST_F(CityAssaultTest, TheDefendersHitBelow70AndEachHitTellsOnABrigadeBelow20In50) {
  struct Row {
    int shot;
    std::initializer_list<int> lands;  // Random(50) per brigade asked
    int line;
    int guns;
  };
  const Row rows[] = {
      {70, {}, 5, 1}, {69, {19}, 4, 1}, {69, {20, 19}, 5, 0}, {69, {20, 20}, 5, 1},
  };
  for (const Row& row : rows) {
    SetUp();
    const int city = AddCityOf(TSide::Union, 1);
    AddGarrison(city, TNation::Union, TArm::Infantry, 40);
    AddAttackers(TSide::Confederate, {5}, 1);
    Draws draws;
    draws.Each(100, {row.shot, 99}).Each(100, {0, 99}).Each(50, row.lands);
    draws.Script();
    CityAssault assault = PrepareCityAssault(city, TSide::Confederate);
    EXPECT_EQ(BombardCity(assault), TBombardment::Breach);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u) << "shot " << row.shot;
    EXPECT_EQ(GameState.Brigades[2].Strength, row.line) << "shot " << row.shot;
    EXPECT_EQ(GameState.Brigades[3].Strength, row.guns) << "shot " << row.shot;
  }
}

// A round's hits on the works count at most three: five guns hitting at 25,
// 12, 6, 3 and 1 in 100 leave works of 5 at 2, a breach.
TEST_F(CityAssaultTest, ARoundBringsDownAtMostThreeLevelsOfWorks) {
  const int city = AddCityOf(TSide::Union, 5);
  AddGarrison(city, TNation::Union, TArm::Infantry, 40);
  AddAttackers(TSide::Confederate, {5}, 4);
  Draws().Repeat(100, 99, 5 + 1).Repeat(100, 0, 4 + 1).Script();
  CityAssault assault = PrepareCityAssault(city, TSide::Confederate);
  EXPECT_EQ(BombardCity(assault), TBombardment::Breach);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(assault.works, 2);
}

// A neutral city stormed by the Confederacy: its garrison's men of the
// neutral southern state are let go, other men of that state are not.
TEST_F(CityAssaultTest, ABreachedCityIsStormedBehindTheWorksTheBombardmentLeft) {
  const int city = AddCityOf(TSide::None, 3);
  GameState.Cities[city].State = kNeutralStateSouth;
  GameState.Cities[city].CoastalGuns = 2;
  const int garrison = AddGarrison(city, TNation::Union, TArm::Infantry, 2, kNeutralStateSouth);
  GameState.Brigades[garrison].Nation = 0;
  const int elsewhere = AddBrigade({.location = 9, .homeState = kNeutralStateSouth});
  const int attackers = AddAttackers(TSide::Confederate, {3}, 1);
  Draws()
      // Bombardment round 1: the works and the coast guns fire and miss; the
      // attackers' gun misses at 25.
      .Repeat(100, 99, 3 + 2 + 1)
      .Each(100, {25, 99})
      // Round 2: a hit at 24, then the chance halves and 12 misses.
      .Repeat(100, 99, 6)
      .Each(100, {24, 12})
      // Storm round 1 behind works of 2: the defenders hit below 85, the coast
      // guns fire four shots each.
      .Each(200, {39, 40, 199})
      .Each(300, {299, 299})
      .Each(200, {84, 85})
      .Repeat(200, 199, 4 * 2 + 1)
      .Each(100, {99, 99, 99, 99})
      .Each(100, {99, 99, 99, 99})
      // Round 2: the garrison loses its last man; the attackers' morale of
      // 97 breaks on a mean of 97, the garrison's of 90 holds on 91.
      .Each(200, {0, 199, 199})
      .Each(300, {299, 299})
      .Each(200, {199, 199})
      .Repeat(200, 199, 4 * 2 + 1)
      .Each(100, {91, 91, 91, 91})
      .Each(100, {97, 97, 97, 97})
      // Each attacking brigade learns below 45.
      .Each(100, {44, 45})
      .Script();
  EXPECT_EQ(Assault(city, TSide::Confederate), 2);
  EXPECT_EQ(battleViews.AssaultForms()[1].bombardment, "text 121");
  EXPECT_EQ(LastForm().storm, "text 124");
  EXPECT_EQ(GameState.BattleOutcome, 3) << "the attacking camp won";
  const TCity& stormed = GameState.Cities[city];
  EXPECT_EQ(stormed.Fortifications, 0);
  EXPECT_EQ(stormed.CoastalGuns, 0);
  EXPECT_EQ(stormed.GarrisonCount, 0);
  EXPECT_TRUE(GameState.Brigades[garrison].IsFree());
  EXPECT_FALSE(GameState.Brigades[elsewhere].IsFree());
  EXPECT_EQ(GameState.Corps[attackers].Readiness, 5);
  EXPECT_EQ(GameState.Corps[attackers].BattleMark, 0);
  EXPECT_EQ(GameState.Brigades[garrison + 2].Strength, 2) << "the attackers' line lost a point";
  EXPECT_EQ(GameState.Brigades[garrison + 2].Quality, 2);
  EXPECT_EQ(GameState.Brigades[garrison + 3].Quality, 1);
}

// The storm is fought behind the works the bombardment left, and the city
// keeps them when the attackers are thrown back.
TEST_F(CityAssaultTest, ARepulsedStormRestoresTheWorksAndTrainsTheGarrison) {
  const int city = AddCityOf(TSide::Confederate, 3);
  const int first = AddGarrison(city, TNation::Confederacy, TArm::Infantry, 2);
  const int second = AddGarrison(city, TNation::Confederacy, TArm::Infantry, 2);
  const int attackers = AddAttackers(TSide::Union, {3}, 1);
  Draws()
      .Repeat(100, 99, 4)
      .Each(100, {24, 99})
      .Repeat(200, 199, 3)
      .Each(300, {299, 299})
      .Each(200, {0, 199, 199, 199})
      .Each(200, {199})
      .Each(100, {99})  // the Union brigade's weapons survive the hit
      .Each(100, {99, 99, 99, 99})
      .Each(100, {0, 0, 0, 0})
      .Each(100, {39, 40})
      .Each(100, {99, 99})
      .Script();
  EXPECT_EQ(Assault(city, TSide::Union), 2);
  EXPECT_EQ(LastForm().storm, "text 125");
  EXPECT_EQ(GameState.BattleOutcome, 1);
  EXPECT_EQ(GameState.Cities[city].Fortifications, 2);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  EXPECT_EQ(GameState.Brigades[first].Quality, 2);
  EXPECT_EQ(GameState.Brigades[second].Quality, 1);
  EXPECT_EQ(GameState.Corps[attackers].Readiness, 4)
      << "halved, then one less for the garrison's fright";
  EXPECT_EQ(GameState.Corps[attackers].BattleMark, TBattleMark::Fought)
      << "still before a held city";
}

// Without works the storm comes at the first Execute, the defenders hitting
// below 35. A garrison whose nerve breaks is taken prisoner with its men.
TEST_F(CityAssaultTest, AStormWithoutWorksComesAtOnceAndTakesTheGarrisonPrisoner) {
  const int city = AddCityOf(TSide::Union, 0);
  const int garrison = AddGarrison(city, TNation::Union, TArm::Infantry, 2);
  const int attackers = AddAttackers(TSide::Confederate, {3});
  Draws()
      .Repeat(200, 199, 3)
      .Each(300, {299})
      .Each(200, {34, 35})
      .Each(200, {199})
      .Each(100, {99, 99, 99, 99})
      .Each(100, {99, 99, 99, 99})
      .Each(100, {99})  // the prisoners' weapons
      .Each(100, {99})
      .Script();
  EXPECT_EQ(Assault(city, TSide::Confederate), 1);
  EXPECT_EQ(LastForm().bombardment, "");
  EXPECT_EQ(LastForm().storm, "text 124");
  EXPECT_EQ(GameState.BattleOutcome, 3);
  EXPECT_EQ(GameState.Prisoners[TNation::Union], 2u);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 0);
  EXPECT_EQ(GameState.Corps[attackers].Readiness, 9) << "one less for the garrison's fright";
}

}  // namespace
