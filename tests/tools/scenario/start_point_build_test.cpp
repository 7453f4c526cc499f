// How the builder turns the tables into a start point: the troop table's
// weapons, the figures it derives, and where it puts corps and fleets.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "tools/scenario/start_point.h"
#include "world/codes.h"

namespace {

std::unique_ptr<TGameState> Build(const char* year) {
  static const ScenarioSources sources = ReadScenarioSources(GRAYMARCH_SCENARIO_SOURCES);
  auto game = std::make_unique<TGameState>();
  BuildStartPoint(sources, sources.Folder / year, *game);
  return game;
}

// Weapons of the nation's brigades of one arm, in slot order.
std::vector<int> WeaponsOf(const TGameState& game, int nation, int arm) {
  std::vector<int> weapons;
  for (int b = 1; b <= 500; ++b) {
    const TBrigade& brigade = game.Brigades[b];
    if (!brigade.IsFree() && brigade.Nation == nation && brigade.Arm == arm &&
        brigade.Status != TBrigadeStatus::RaisedUnarmed) {
      weapons.push_back(brigade.Weapon);
    }
  }
  return weapons;
}

int CorpsLedBy(const TGameState& game, const std::string& leader) {
  for (int k = 1; k <= 120; ++k) {
    if (!game.Corps[k].IsFree() && game.Leaders[game.Corps[k].Leader].Name.str() == leader) {
      return k;
    }
  }
  return 0;
}

TEST(StartPointBuild, WeaponsFollowTheSharesAndCountsOfTheTroopTable) {
  const auto early = Build("1861");
  std::map<int, int> infantry;
  for (int weapon : WeaponsOf(*early, TNation::Union, TArm::Infantry)) ++infantry[weapon];
  const int total = infantry[TWeapon::Muskets] + infantry[TWeapon::Springfields];
  EXPECT_EQ(total, static_cast<int>(WeaponsOf(*early, TNation::Union, TArm::Infantry).size()));
  EXPECT_NEAR(infantry[TWeapon::Muskets] * 100.0 / total, 70.0, 2.0);

  const auto late = Build("1863");
  const auto cavalry = WeaponsOf(*late, TNation::Union, TArm::Cavalry);
  ASSERT_GE(cavalry.size(), 3u);
  EXPECT_EQ(cavalry[0], TWeapon::Spencers);
  EXPECT_EQ(cavalry[1], TWeapon::Spencers);
  for (std::size_t i = 2; i < cavalry.size(); ++i) EXPECT_EQ(cavalry[i], TWeapon::Sharps);
  std::map<int, int> guns;
  for (int weapon : WeaponsOf(*late, TNation::Confederacy, TArm::Artillery)) ++guns[weapon];
  EXPECT_EQ(guns[TWeapon::Whitworths], 1);
}

TEST(StartPointBuild, RaisedBrigadesAreFullAndUnarmedAndNumberedWithinTheirState) {
  const auto game = Build("1862");
  std::map<std::pair<int, int>, int> seen;
  for (int b = 1; b <= 500; ++b) {
    const TBrigade& brigade = game->Brigades[b];
    if (brigade.IsFree()) continue;
    EXPECT_EQ(++seen[std::make_pair(brigade.HomeState, brigade.Number)], 1);
    if (brigade.Status == TBrigadeStatus::RaisedUnarmed) {
      EXPECT_EQ(brigade.Weapon, 0);
      EXPECT_EQ(brigade.Strength, brigade.Arm == TArm::Infantry ? 80 : 50);
    }
  }
}

TEST(StartPointBuild, ACorpsDrawsOnItsOwnCityOrTheNearestStation) {
  const auto game = Build("1861");
  const TCorps& tyler = game->Corps[CorpsLedBy(*game, "D. Tyler")];
  EXPECT_EQ(game->Cities[tyler.City].Name.str(), "Alexandria");
  // Rosecrans stands in the open, one hex from the railway at Grafton.
  const TCorps& rosecrans = game->Corps[CorpsLedBy(*game, "W.S. Rosecrans")];
  EXPECT_EQ(game->Cities[rosecrans.City].Name.str(), "Grafton");
  EXPECT_EQ(rosecrans.PathStep, 10);
  EXPECT_EQ(rosecrans.DestX, rosecrans.X);
}

TEST(StartPointBuild, StatesSumTheFreeShareOfTheirOwnCities) {
  // West Virginia: Grafton and Wheeling in 1861; Charleston joins, occupied, in 1862.
  EXPECT_EQ(Build("1861")->States[35].Population, 110 + 150);
  EXPECT_EQ(Build("1862")->States[35].Population, 110 + 150 + 98 * 90 / 100);
  const auto game = Build("1861");
  EXPECT_EQ(game->States[22].WeaponOutput[TWeapon::Springfields], 20);
  EXPECT_EQ(game->States[11].Population, 3881);
  // Neutral Kentucky holds its neutral cities; Missouri's Union St. Louis is not counted.
  EXPECT_EQ(game->States[20].Population, 220 + 300 + 260 + 150);
  EXPECT_EQ(game->States[19].Population, 200 + 250 + 150 + 117);
}

TEST(StartPointBuild, ManpowerIsOneMonthOfVolunteersAtTheBounty) {
  // New York has no capital city: bounty x population / 400.
  EXPECT_EQ(Build("1861")->States[11].Manpower, 10 * 3881 / 400);
  EXPECT_EQ(Build("1862")->States[11].Manpower, 8 * 3881 / 400);
  // Neutral Kentucky's cities raise no one for either side.
  EXPECT_EQ(Build("1861")->States[20].Manpower, 0);
}

TEST(StartPointBuild, LaterStartPointsRememberTheCityValuesOf1861) {
  for (const char* year : {"1862", "1863"}) {
    const auto game = Build(year);
    const TNationRec& union_ = game->Nations[TNation::Union];
    const TNationRec& confederacy = game->Nations[TNation::Confederacy];
    EXPECT_EQ(union_.CitySizeStart[1] + union_.CitySizeStart[2] + union_.CitySizeStart[3], 246);
    EXPECT_EQ(
        confederacy.CitySizeStart[1] + confederacy.CitySizeStart[2] + confederacy.CitySizeStart[3],
        414);
  }
  EXPECT_EQ(Build("1861")->Nations[TNation::Union].CitySizeStart[1], 0);
}

TEST(StartPointBuild, FleetsLieOnTheirHomePortsAndUnusedSlotsAreFree) {
  const auto game = Build("1863");
  int live = 0;
  for (int f = 1; f <= 100; ++f) {
    const TFleet& fleet = game->Fleets[f];
    if (fleet.Status == TFleet::FreedStatus) continue;
    ++live;
    const TCity& port = game->Cities[fleet.HomePort];
    EXPECT_EQ(fleet.X, port.X);
    EXPECT_EQ(fleet.Y, port.Y);
    EXPECT_EQ(fleet.Mission, 0);
  }
  EXPECT_EQ(live, 24);
  EXPECT_EQ(game->Fleets[5].Supplies, 10 * (8 + 6 + 6));  // the Mississippi Squadron
}

}  // namespace
