#include "world/leaderless_corps.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"

namespace {

class LeaderlessCorpsTest : public PoliticsTest {
 protected:
  void SetUp() override {
    PoliticsTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    Corps(corps).Strength = 160;
    Corps(corps).ArtilleryStrength = 16;
    Corps(corps).OtherBrigades = 2;
    for (int i = 0; i < 2; ++i) brigades[i] = AddBrigade({.location = corps, .homeState = 4});
  }

  int corps = 0;
  int brigades[2] = {};
};

TEST_F(LeaderlessCorpsTest, AFreeLeaderOfTheCampTakesCommand) {
  const int leader = AddLeader({.side = TSide::Union, .combat = 55});
  ProcessLeaderlessCorps();
  EXPECT_EQ(Corps(corps).Leader, leader);
  EXPECT_EQ(Corps(corps).LeaderCombat, 55);
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::InCommand);
  EXPECT_EQ(Corps(corps).Inactive, 0);
}

TEST_F(LeaderlessCorpsTest, WithoutASuccessorTheCorpsJoinsTheGarrisonOfItsOwnCity) {
  const int city = AddCity(10, 10, TSide::Union);
  Corps(corps).City = static_cast<std::uint8_t>(city);
  ProcessLeaderlessCorps();
  EXPECT_EQ(City(city).GarrisonCount, 2);
  for (int b : brigades) {
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InGarrison);
    EXPECT_EQ(GameState.Brigades[b].Location, city);
  }
  EXPECT_EQ(Corps(corps).Strength, 0);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(LeaderlessCorpsTest, ACorpsWhoseCityTheEnemyHoldsSurrenders) {
  const int city = AddCity(10, 10, TSide::Confederate);
  Corps(corps).City = static_cast<std::uint8_t>(city);
  ProcessLeaderlessCorps();
  EXPECT_EQ(City(city).GarrisonCount, 0);
  EXPECT_EQ(Corps(corps).Inactive, 1);
  EXPECT_EQ(GameState.Prisoners[TNation::Union], 176u);
  EXPECT_EQ(Nation(TNation::Union).WarScore, 297);
  EXPECT_EQ(Attitude(TNation::France), kUndecided - 1);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1);
  EXPECT_EQ(State(4).Losses, 160);
  for (int b : brigades) EXPECT_TRUE(GameState.Brigades[b].IsFree());
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], Text(35));
  EXPECT_EQ(window.Notices()[0].lines[1], Text(36));
  EXPECT_EQ(window.Notices()[0].lines[2], Text(39));
}

TEST_F(LeaderlessCorpsTest, EachNationTalliesTheValueOfItsCities) {
  Corps(corps).Leader = static_cast<std::uint8_t>(AddLeader({}));
  const int north = AddCity(1, 1, TSide::Union);
  const int west = AddCity(2, 2, TSide::Union);
  City(north).Value = 10;
  City(north).Theatre = TTheatre::Seaboard;
  City(west).Value = 4;
  City(west).Theatre = TTheatre::West;
  GameState.TerritorialTotal[TNation::Union] = 65530;
  ProcessLeaderlessCorps();
  EXPECT_EQ(GameState.TerritorialPoints[TNation::Union], 14);
  EXPECT_EQ(GameState.TerritorialTotal[TNation::Union], 65535);
  EXPECT_EQ(Nation(TNation::Union).CitySizeSum[TTheatre::West], 4);
  City(west).Value = 6;
  ProcessLeaderlessCorps();
  EXPECT_EQ(Nation(TNation::Union).CitySizeSum[TTheatre::West], 6);
  EXPECT_EQ(Nation(TNation::Union).CitySizeStart[TTheatre::West], 4);
}

}  // namespace
