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
  // Everything the nation giving orders finds on (8, 8), in the callers' order.
  static std::vector<Found> FindAll(int nation = TNation::Union) {
    CurrentSide = static_cast<std::uint16_t>(nation);
    ClickedHexX = ClickedHexY = 8;
    FinderCount = 0;
    FindCitiesAtHex();
    FindArmiesAtHex();
    FindCorpsAtHex();
    FindFleetsAtHex();
    std::vector<Found> found;
    for (int entry = 1; entry <= FinderCount; ++entry)
      found.push_back({FinderResults[entry].Index, FinderResults[entry].Kind});
    return found;
  }
};

TEST_F(MapFinderTest, ListsTheCampsCitiesArmiesCorpsAndReadyFleetsAndOnlySpottedEnemyCorps) {
  const int fleet = AddFleet(8, 8, TSide::Union, TNation::Union);
  GameState.Fleets[AddFleet(8, 8, TSide::Union, TNation::Union)].Status = 3;  // refitting
  const int corps = AddCorps(8, 8, TSide::Union, TNation::Union);
  GameState.Corps[AddCorps(8, 8, TSide::Union, TNation::Union)].Inactive = 1;
  const int army = AddArmy(8, 8, TSide::Union, TNation::Union);
  AddCorps(9, 8, TSide::Union, TNation::Union);
  const int hidden = AddCorps(8, 8, TSide::Confederate, TNation::Confederacy);
  const int spotted = AddCorps(8, 8, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[spotted].Spotted = 3;
  EXPECT_EQ(FindAll(), (std::vector<Found>{{GameState.Armies[army].HqCity, kFoundCity},
                                           {army, kFoundArmy},
                                           {corps, kFoundCorps},
                                           {spotted, kFoundCorps},
                                           {fleet, kFoundFleet}}));
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  EXPECT_EQ(FindAll(TNation::France),
            (std::vector<Found>{{hidden, kFoundCorps}, {spotted, kFoundCorps}}))
      << "France fights in the Confederate camp";
}

TEST_F(MapFinderTest, AppendsToWhatIsListedAndStopsAtTwentyEntries) {
  for (int c = 0; c < 25; ++c) AddCorps(8, 8, TSide::Union, TNation::Union);
  FinderCount = 2;
  CurrentSide = TNation::Union;
  ClickedHexX = ClickedHexY = 8;
  FindCorpsAtHex();
  ASSERT_EQ(FinderCount, 20);
  EXPECT_EQ(FinderResults[3].Index, 1);
  EXPECT_EQ(FinderResults[20].Index, 18);
}

}  // namespace
