#include "world/map_finder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

using Found = std::pair<int, int>;  // index, kind

class MapFinderTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    CurrentSide = TNation::Union;
  }

  static std::vector<Found> FindAll(int x, int y) {
    FinderCount = 0;
    ClickedHexX = static_cast<std::uint16_t>(x);
    ClickedHexY = static_cast<std::uint16_t>(y);
    FindCitiesAtHex();
    FindArmiesAtHex();
    FindCorpsAtHex();
    FindFleetsAtHex();
    return Listed();
  }

  static std::vector<Found> Listed() {
    std::vector<Found> found;
    for (int entry = 1; entry <= FinderCount; ++entry)
      found.push_back({FinderResults[entry].Index, FinderResults[entry].Kind});
    return found;
  }
};

TEST_F(MapFinderTest, ListsCitiesArmiesCorpsAndFleetsInThatOrder) {
  const int fleet = AddFleet(8, 8, TSide::Union, TNation::Union);
  const int corps = AddCorps(8, 8, TSide::Union, TNation::Union);
  const int army = AddArmy(8, 8, TSide::Union, TNation::Union);
  const int city = GameState.Armies[army].HqCity;
  AddCorps(9, 8, TSide::Union, TNation::Union);
  EXPECT_EQ(
      FindAll(8, 8),
      (std::vector<Found>{
          {city, kFoundCity}, {army, kFoundArmy}, {corps, kFoundCorps}, {fleet, kFoundFleet}}));
}

TEST_F(MapFinderTest, ListsOnlyWhatTheNationsCampHoldsOrHasSpotted) {
  AddCity(8, 8, TSide::Confederate);
  AddArmy(8, 8, TSide::Confederate, TNation::Confederacy);
  AddFleet(8, 8, TSide::Confederate, TNation::Confederacy);
  AddCorps(8, 8, TSide::Confederate, TNation::Confederacy);
  const int spotted = AddCorps(8, 8, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[spotted].Spotted = 3;
  EXPECT_EQ(FindAll(8, 8), (std::vector<Found>{{spotted, kFoundCorps}}));

  CurrentSide = TNation::France;
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  EXPECT_EQ(FindAll(8, 8).size(), 5u) << "France fights in the Confederate camp";
}

TEST_F(MapFinderTest, PassesOverDisbandedCorpsAndFleetsNotReady) {
  const int gone = AddCorps(8, 8, TSide::Union, TNation::Union);
  GameState.Corps[gone].Inactive = 1;
  const int refitting = AddFleet(8, 8, TSide::Union, TNation::Union);
  GameState.Fleets[refitting].Status = 3;
  const int ready = AddFleet(8, 8, TSide::Union, TNation::Union);
  EXPECT_EQ(FindAll(8, 8), (std::vector<Found>{{ready, kFoundFleet}}));
}

TEST_F(MapFinderTest, AppendsToWhatIsListedAndStopsAtTwentyEntries) {
  std::vector<int> corps;
  for (int c = 0; c < 25; ++c) corps.push_back(AddCorps(8, 8, TSide::Union, TNation::Union));
  FinderCount = 2;
  ClickedHexX = 8;
  ClickedHexY = 8;
  FindCorpsAtHex();
  ASSERT_EQ(FinderCount, 20);
  EXPECT_EQ(FinderResults[3].Index, corps[0]);
  EXPECT_EQ(FinderResults[20].Index, corps[17]);
  FindFleetsAtHex();
  AddFleet(8, 8, TSide::Union, TNation::Union);
  FindFleetsAtHex();
  EXPECT_EQ(FinderCount, 20);
  EXPECT_EQ(FinderResults[20].Kind, kFoundCorps);
}

}  // namespace
