#include "tools/map/river_checks.h"

#include <gtest/gtest.h>

#include "tests/tools/map/map_data_fixture.h"

namespace {

TEST(RiverChecks, CommittedMapHasItsMouthsAndBanks) {
  const auto faults = CheckRiverLines(TheCommittedArt());
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults, first: " << faults.front();
}

// A great river along y = 100 across the picture, and a town beside it.
MapArt TownBesideRiver(PointF mark) {
  MapArt art;
  art.Rivers.push_back({{3}, {{0, 100}, {300, 100}}});
  art.Cities.push_back(MapCity{.Number = 1, .MarkX = mark.X, .MarkY = mark.Y, .Name = "Town"});
  return art;
}

TEST(RiverChecks, ATownStandsClearOfTheWaterOnItsBank) {
  const struct {
    PointF Mark;
    Bank Side;
    bool Sound;
  } rows[] = {
      {{150, 98.7f}, Bank::North, true},  {{150, 98.8f}, Bank::North, false},
      {{150, 103}, Bank::North, false},   {{150, 101.3f}, Bank::South, true},
      {{150, 101.2f}, Bank::South, false}, {{301.3f, 100}, Bank::East, true},
      {{301.2f, 100}, Bank::East, false}, {{-1.3f, 100}, Bank::West, true},
      {{-1.2f, 100}, Bank::West, false},
  };
  for (const auto& row : rows) {
    const TownBank town[] = {{"Town", row.Side}};
    EXPECT_EQ(CheckBanks(TownBesideRiver(row.Mark), town).empty(), row.Sound)
        << row.Mark.X << "," << row.Mark.Y;
  }
  const TownBank missing[] = {{"Atlantis", Bank::North}};
  EXPECT_EQ(CheckBanks(TownBesideRiver({150, 90}), missing).front(), "no city Atlantis");
}
// Hex (5, 4) covers x 112..140 and y 84..112 of the picture; the great river crosses it at
// y = 100 and a tributary comes down to it from the north.
TEST(RiverChecks, ATributaryEndsOnTheGreatRiver) {
  const struct {
    PointF End;
    const char* Fault;
  } rows[] = {
      {{126, 99.5f}, nullptr},
      {{126, 99.4f}, "a river in the mouth hex (5, 4) of the Creek stops 0.6 pixels short"},
      {{126, 100.5f}, nullptr},
      {{200, 100}, "no river ends in the mouth hex (5, 4) of the Creek"},
  };
  const RiverMouth mouth[] = {{"Creek", 5, 4}};
  for (const auto& row : rows) {
    MapArt art;
    art.Rivers.push_back({{3}, {{0, 100}, {300, 100}}});
    art.Rivers.push_back({{1}, {{row.End.X, 40}, row.End}});
    const auto faults = CheckMouths(art, mouth);
    if (!row.Fault) {
      EXPECT_TRUE(faults.empty()) << row.End.Y << ": " << faults.front();
    } else {
      ASSERT_EQ(faults.size(), 1u) << row.Fault;
      EXPECT_EQ(faults.front().rfind(row.Fault, 0), 0u) << faults.front();
    }
  }
}

}  // namespace
