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
    britishCity = AddCityIn(70, 5, TSide::None, kBritishState);
    City(britishCity).Nation = TNation::Britain;
    britishCorps = AddCorps(70, 5, TSide::None, TNation::Britain);
    MakeState(kBargainState, TNation::Confederacy);
    ceded = AddCityIn(10, 50, TSide::Confederate, kBargainState);
  }

  int britishCity = 0;
  int britishCorps = 0;
  int ceded = 0;
};

TEST_F(ForeignInterventionTest, BritainAtTheBottomOfTheScaleDeclaresWarAndBringsItsOwnAlong) {
  Attitude(TNation::Britain) = 0;
  BritainEntersWar();
  EXPECT_EQ(Nation(TNation::Britain).Side, TSide::Confederate);
  EXPECT_EQ(Corps(britishCorps).Side, TSide::Confederate);
  EXPECT_EQ(City(britishCity).Side, TSide::Confederate);
  EXPECT_EQ(State(kBritishState).Side, TSide::Confederate);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 25);
  EXPECT_EQ(window.Notices()[0].lines[3], Text(696));
}

TEST_F(ForeignInterventionTest, BritainOneStepAboveEntersSilentlyAtTheMonthsTurn) {
  Attitude(TNation::Britain) = 1;
  GameState.Day = 1;
  Attitude(TNation::France) = 40;  // no bargain to offer
  PoliticalEventsTurn();
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(Nation(TNation::Britain).Side, TSide::Confederate);
  EXPECT_EQ(Attitude(TNation::Britain), 0);
  EXPECT_EQ(Corps(britishCorps).Side, TSide::Confederate);
}

TEST_F(ForeignInterventionTest, ACededStateStandsWithFranceInTheConfederateCamp) {
  Nation(TNation::Confederacy).Human = 1;
  Attitude(TNation::France) = 20;
  window.ScriptChoices({1});
  FranceEntersWar();
  const TStateRec& state = State(kBargainState);
  EXPECT_EQ(state.Nation, TNation::France);
  EXPECT_EQ(state.Side, TSide::Confederate);
  EXPECT_EQ(state.ControlSide, TSide::Confederate);
  EXPECT_EQ(City(ceded).Nation, TNation::France);
  EXPECT_EQ(City(ceded).OriginalSide, TNation::France);
  EXPECT_EQ(City(ceded).Side, TSide::Confederate);
  EXPECT_EQ(Nation(TNation::France).Side, TSide::Confederate);
  EXPECT_EQ(Attitude(TNation::France), 0);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 12);
  EXPECT_EQ(Nation(TNation::Union).WarScore, 275);
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].options[0], Text(703));
  EXPECT_EQ(window.Notices()[1].lines[0], Text(705));
}

TEST_F(ForeignInterventionTest, ADeclinedOfferLeavesFranceUndecided) {
  Nation(TNation::Confederacy).Human = 1;
  Attitude(TNation::France) = 20;
  window.ScriptChoices({2});
  FranceEntersWar();
  EXPECT_EQ(State(kBargainState).Nation, TNation::Confederacy);
  EXPECT_EQ(Attitude(TNation::France), 50);
  EXPECT_EQ(Nation(TNation::France).Side, 0);
}

TEST_F(ForeignInterventionTest, AComputerConfederacyTakesTheOfferOneTimeInTen) {
  Attitude(TNation::France) = 20;
  ScriptRandomDraws({{100, 10}});
  FranceEntersWar();
  EXPECT_EQ(State(kBargainState).Nation, TNation::Confederacy);
  EXPECT_EQ(Attitude(TNation::France), 50);
  Attitude(TNation::France) = 20;
  ScriptRandomDraws({{100, 9}});
  FranceEntersWar();
  EXPECT_EQ(State(kBargainState).Nation, TNation::France);
}

TEST_F(ForeignInterventionTest, FranceBelowTwoDeclaresWar) {
  Attitude(TNation::France) = 1;
  State(kBargainState).Nation = TNation::Union;
  FranceEntersWar();
  EXPECT_EQ(Nation(TNation::France).Side, TSide::Confederate);
  EXPECT_EQ(Attitude(TNation::France), 0);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[2], Text(699));
}

}  // namespace
