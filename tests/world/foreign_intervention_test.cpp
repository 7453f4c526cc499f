#include "world/foreign_intervention.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"
#include "world/political_turn.h"
#include "world/random.h"

namespace {

class ForeignInterventionTest : public PoliticsTest {
 protected:
  static constexpr int kBargainState = 23;
  static constexpr int kBritishState = 36;

  void SetUp() override {
    PoliticsTest::SetUp();
    MakeState(kBritishState, TNation::Britain);
    City(AddCityIn(70, 5, TSide::None, kBritishState)).Nation = TNation::Britain;
    britishCorps = AddCorps(70, 5, TSide::None, TNation::Britain);
    MakeState(kBargainState, TNation::Confederacy);
    ceded = AddCityIn(10, 50, TSide::Confederate, kBargainState);
  }

  int britishCorps = 0;
  int ceded = 0;
};

// On the first turn of a month: Britain at 0 declares war with a notice, at 1
// joins silently; France below 2 declares war.
TEST_F(ForeignInterventionTest, APowerAtTheBottomOfTheScaleGoesToWar) {
  const struct {
    int power, attitude;
    bool at_war;
    std::size_t notices;
  } cases[] = {{TNation::Britain, 0, true, 1},
               {TNation::Britain, 1, true, 0},
               {TNation::Britain, 2, false, 0},
               {TNation::France, 1, true, 1},
               {TNation::France, 2, false, 0}};
  for (const auto& c : cases) {
    for (int n : {TNation::France, TNation::Britain}) {
      Nation(n).Side = 0;
      Attitude(n) = kUndecided;
    }
    Corps(britishCorps).Side = TSide::None;
    State(kBargainState).Nation = TNation::Union;  // no bargain to offer
    Attitude(c.power) = static_cast<std::int16_t>(c.attitude);
    const std::size_t before = window.Notices().size();
    GameState.Day = 1;
    PoliticalEventsTurn();
    EXPECT_EQ(Nation(c.power).Side, c.at_war ? TSide::Confederate : TSide::None) << c.attitude;
    EXPECT_EQ(window.Notices().size() - before, c.notices);
    EXPECT_EQ(Corps(britishCorps).Side, Nation(TNation::Britain).Side) << "forces join the camp";
  }
}

// France offers its help for the state while below 30, until 1864, to a
// Confederacy below 500; a computer one takes it below 400 on a draw below 10.
TEST_F(ForeignInterventionTest, AComputerConfederacyTakesTheBargainOnlyWhenDesperate) {
  const struct {
    int france, year, score, draw;
    int after;  // France's attitude: 0 ceded, 50 declined
  } cases[] = {{29, 1864, 399, 9, 0},   {29, 1864, 399, 10, 50}, {30, 1864, 399, -1, 30},
               {29, 1865, 399, -1, 29}, {29, 1864, 400, -1, 50}, {29, 1864, 499, -1, 50},
               {29, 1864, 500, -1, 29}};
  for (const auto& c : cases) {
    Nation(TNation::France).Side = 0;
    State(kBargainState).Nation = TNation::Confederacy;
    Attitude(TNation::France) = static_cast<std::int16_t>(c.france);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    Nation(TNation::Confederacy).WarScore = static_cast<std::int16_t>(c.score);
    ScriptRandomDraws({});
    if (c.draw >= 0) ScriptRandomDraws({{100, c.draw}});
    FranceEntersWar();
    EXPECT_EQ(Attitude(TNation::France), c.after) << c.france << " " << c.year << " " << c.score;
    EXPECT_EQ(State(kBargainState).Nation, c.after == 0 ? TNation::France : TNation::Confederacy);
  }
}

// While Britain is below 26 a computer Confederacy below 400 with no policy
// yet weighs its policy.
TEST_F(ForeignInterventionTest, BritainsCoolnessMakesAComputerConfederacyWeighItsPolicy) {
  const struct { int britain, score, policy; } cases[] = {{25, 399, 1}, {26, 399, 0}, {25, 400, 0}};
  for (const auto& c : cases) {
    Attitude(TNation::Britain) = static_cast<std::int16_t>(c.britain);
    Nation(TNation::Confederacy).WarScore = static_cast<std::int16_t>(c.score);
    Nation(TNation::Confederacy).PolicyStatus = 0;
    Nation(TNation::Union).WarScore = 700;
    BritainEntersWar();
    EXPECT_EQ(Nation(TNation::Confederacy).PolicyStatus, c.policy) << c.britain << " " << c.score;
  }
}

// A human Confederacy is asked: a ceded state stands with France in the
// Confederate camp; a refusal leaves France at 50.
TEST_F(ForeignInterventionTest, AHumanConfederacyTakesOrDeclinesTheBargain) {
  Nation(TNation::Confederacy).Human = 1;
  Attitude(TNation::France) = 20;
  window.ScriptChoices({2, 1});
  FranceEntersWar();
  EXPECT_EQ(Attitude(TNation::France), 50);
  EXPECT_EQ(State(kBargainState).Nation, TNation::Confederacy);
  Attitude(TNation::France) = 20;
  FranceEntersWar();
  EXPECT_EQ(State(kBargainState).Nation, TNation::France);
  EXPECT_EQ(City(ceded).Side, TSide::Confederate);
  EXPECT_EQ(Nation(TNation::France).Side, TSide::Confederate);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 12) << "Britain cools from 13 up";
  EXPECT_EQ(Nation(TNation::Union).WarScore, 275);
}

}  // namespace
