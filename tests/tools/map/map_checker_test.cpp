#include "tools/map/map_checker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/map/map_data_fixture.h"

namespace {

TMapRecord Map1861() {
  return BuildMapRecord(TheCommittedMap().Layers, 1861);
}

std::vector<std::string> Check(const TMapRecord& map, int year = 1861) {
  return CheckMap(map, year, TheCommittedMap().Cities, TheCommittedMap().WaterSides);
}

bool Mentions(const std::vector<std::string>& faults, const std::string& words) {
  return std::ranges::any_of(faults,
                             [&](const auto& f) { return f.find(words) != std::string::npos; });
}

TEST(MapChecker, CommittedMapIsSoundInEveryStartYear) {
  for (int year : {1861, 1862, 1863}) {
    const auto faults = Check(BuildMapRecord(TheCommittedMap().Layers, year), year);
    EXPECT_TRUE(faults.empty()) << year << ": " << faults.size()
                                << " faults, first: " << (faults.empty() ? "" : faults.front());
  }
}

TEST(MapChecker, EveryCityOfTheGameIsOnTheMap) {
  const auto& cities = TheCommittedMap().Cities;
  ASSERT_EQ(cities.size(), 86u);
  for (int i = 0; i < 86; ++i) EXPECT_EQ(cities[i].Number, i + 1);
}

TEST(MapChecker, TownsBelongToCitiesOnly) {
  TMapRecord map = Map1861();
  map.Cell(52, 16).SetTerrain(7);  // Richmond
  map.Cell(40, 20).SetTerrain(4);
  const auto faults = Check(map);
  EXPECT_TRUE(Mentions(faults, "Richmond at (52, 16) is not on a town hex"));
  EXPECT_TRUE(Mentions(faults, "town hex (40, 20) holds no city"));
}

TEST(MapChecker, RiverPortsAndRepairedHexesStayOnTheRiverRoutes) {
  TMapRecord map = Map1861();
  map.Cell(22, 23).Bytes[0] &= ~64;  // Memphis
  map.Cell(19, 32).Bytes[0] &= ~64;  // below Vicksburg
  const auto faults = Check(map);
  EXPECT_TRUE(Mentions(faults, "river port Memphis"));
  EXPECT_TRUE(Mentions(faults, "beside Vicksburg (19, 32)"));
}

TEST(MapChecker, RepairedRailHexesAreAuthoredAsRepaired) {
  TMapRecord map = Map1861();
  map.Cell(32, 26).SetLinkFlag();
  map.Cell(12, 38).ClearLinkFlag();
  map.Cell(65, 15).SetOwner(1);
  const auto faults = Check(map);
  EXPECT_TRUE(Mentions(faults, "(32, 26) carries a railway"));
  EXPECT_TRUE(Mentions(faults, "(12, 38) has no railway"));
  EXPECT_TRUE(Mentions(faults, "(65, 14) and (65, 15)"));
}

TEST(MapChecker, KentuckyIsNeutralOnlyAtTheStartOfTheWar) {
  TMapRecord map = Map1861();
  map.Cell(34, 15).SetOwner(1);  // Frankfort
  EXPECT_TRUE(Mentions(Check(map), "Kentucky hex (34, 15) is not neutral"));
  EXPECT_FALSE(Mentions(Check(map, 1862), "Kentucky"));
}

TEST(MapChecker, OpeningAWaterSideLetsLandUnitsWalkOnWater) {
  TMapRecord map = Map1861();
  // Fort Monroe and Norfolk face each other across Hampton Roads.
  ASSERT_EQ(map.Cell(54, 18).HexSideCode(3), 3);
  map.Cell(54, 18).Bytes[0] &= ~(3 << 4);
  EXPECT_TRUE(Mentions(Check(map), "between (54, 18) and (55, 19)"));
}

TEST(MapChecker, WaterHexesBelongToNoStateAndNoCamp) {
  TMapRecord map = Map1861();
  map.Cell(70, 30).Bytes[2] = 11;
  EXPECT_TRUE(Mentions(Check(map), "water hex (70, 30)"));
}

}  // namespace
