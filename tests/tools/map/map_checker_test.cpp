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

// Each row spoils one thing of the 1861 map and expects a fault naming it.
struct Spoil {
  void (*spoil)(TMapRecord&);
  const char* fault;
};

const Spoil kSpoils[] = {
    {[](TMapRecord& m) { m.Cell(52, 16).SetTerrain(7); },
     "Richmond at (52, 16) is not on a town hex"},
    {[](TMapRecord& m) { m.Cell(40, 20).SetTerrain(4); }, "town hex (40, 20) holds no city"},
    {[](TMapRecord& m) { m.Cell(22, 23).Bytes[0] &= ~64; }, "river port Memphis"},
    {[](TMapRecord& m) { m.Cell(19, 32).Bytes[0] &= ~64; }, "beside Vicksburg (19, 32)"},
    {[](TMapRecord& m) { m.Cell(32, 26).SetLinkFlag(); }, "(32, 26) carries a railway"},
    {[](TMapRecord& m) { m.Cell(12, 38).ClearLinkFlag(); }, "(12, 38) has no railway"},
    {[](TMapRecord& m) { m.Cell(65, 15).SetOwner(1); }, "(65, 14) and (65, 15)"},
    {[](TMapRecord& m) { m.Cell(34, 15).SetOwner(1); }, "Kentucky hex (34, 15) is not neutral"},
    // Fort Monroe and Norfolk face each other across Hampton Roads.
    {[](TMapRecord& m) { m.Cell(54, 18).Bytes[0] &= ~(3 << 4); }, "between (54, 18) and (55, 19)"},
    {[](TMapRecord& m) { m.Cell(70, 30).Bytes[2] = 11; }, "water hex (70, 30)"},
};

TEST(MapChecker, FindsEachSpoiledRule) {
  for (const Spoil& row : kSpoils) {
    SCOPED_TRACE(row.fault);
    TMapRecord map = Map1861();
    row.spoil(map);
    EXPECT_TRUE(Mentions(Check(map), row.fault));
  }
  // Kentucky is neutral only at the start of the war.
  TMapRecord later = Map1861();
  later.Cell(34, 15).SetOwner(1);
  EXPECT_FALSE(Mentions(Check(later, 1862), "Kentucky"));
  ASSERT_EQ(Map1861().Cell(54, 18).HexSideCode(3), 3);
}

}  // namespace
