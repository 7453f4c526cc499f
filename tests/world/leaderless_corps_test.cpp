#include "world/leaderless_corps.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/world/political_turn_fixture.h"

namespace {

// A Union corps of two brigades at (10, 10) without a commander.
class LeaderlessCorpsTest : public PoliticsTest {
 protected:
  void SetUp() override {
    PoliticsTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    Corps(corps).Strength = 160;
    Corps(corps).ArtilleryStrength = 16;
    Corps(corps).OtherBrigades = 2;
    for (TBrigade*& b : brigades) b = &GameState.Brigades[AddBrigade({.location = corps})];
  }

  int corps = 0;
  TBrigade* brigades[2] = {};
};

TEST_F(LeaderlessCorpsTest, AFreeLeaderOfTheCampTakesCommand) {
  const int leader = AddLeader({.side = TSide::Union, .combat = 55});
  ProcessLeaderlessCorps();
  EXPECT_EQ(Corps(corps).Leader, leader);
  EXPECT_EQ(Corps(corps).LeaderCombat, 55);
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::InCommand);
}

// Its brigades join the garrison of its own city, or surrender when the enemy holds it.
TEST_F(LeaderlessCorpsTest, WithoutASuccessorTheCorpsJoinsItsCitysGarrisonOrSurrenders) {
  for (int side : {TSide::Union, TSide::Confederate}) {
    SetUp();
    const int city = AddCity(10, 10, side);
    Corps(corps).City = static_cast<std::uint8_t>(city);
    ProcessLeaderlessCorps();
    const bool garrisoned = side == TSide::Union;
    EXPECT_EQ(City(city).GarrisonCount, garrisoned ? 2 : 0);
    for (TBrigade* b : brigades)
      EXPECT_EQ(b->Status, garrisoned ? TBrigadeStatus::InGarrison : TBrigadeStatus::Free);
    EXPECT_EQ(GameState.Prisoners[TNation::Union], garrisoned ? 0u : 176u);
    EXPECT_EQ(Nation(TNation::Union).WarScore, garrisoned ? 300 : 297);
    EXPECT_EQ(Attitude(TNation::France), kUndecided - (garrisoned ? 0 : 1));
    EXPECT_EQ(window.Notices().size(), garrisoned ? 0u : 1u);
  }
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{Text(35), Text(36), Text(39), ""}));
}

TEST_F(LeaderlessCorpsTest, EachNationTalliesTheValueOfItsCities) {
  Corps(corps).Leader = static_cast<std::uint8_t>(AddLeader({}));
  const int north = AddCity(1, 1, TSide::Union);
  const int west = AddCity(2, 2, TSide::Union);
  City(north).Value = 10;
  City(west).Value = 4;
  City(west).Theatre = TTheatre::West;
  GameState.TerritorialTotal[TNation::Union] = 65530;
  ProcessLeaderlessCorps();
  EXPECT_EQ(GameState.TerritorialPoints[TNation::Union], 14);
  EXPECT_EQ(GameState.TerritorialTotal[TNation::Union], 65535);
  City(west).Value = 6;
  ProcessLeaderlessCorps();
  EXPECT_EQ(Nation(TNation::Union).CitySizeSum[TTheatre::West], 6);
  EXPECT_EQ(Nation(TNation::Union).CitySizeStart[TTheatre::West], 4);
}

}  // namespace
