// Fleets at sea through whole turns of the 1861 start, headless: the Union
// player sends its squadrons on patrol from one Confederate port to the next
// and ships a corps by sea, and the Confederate blockade runners carry cotton
// to Nassau. The fleets must really sail and finish what they set out to do,
// breaking nothing on the way, and the same seed must give the same game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "warfare/fleet_places.h"
#include "warfare/fleet_update.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kNassau = 86;
constexpr int kFortMonroe = 23;
// A Union corps of the start, shipped from New York.
constexpr int kNewYork = 1;
constexpr int kShippedCorps = 1;

// Ordered out with stores for the voyage, as the fleet orders dialog loads them.
void Order(TFleet& fleet, int mission, int objective) {
  fleet.Supplies = 200;
  fleet.Mission = mission;
  fleet.Objective = objective;
  SteerToCity(fleet, objective);
}

bool IsIdleSeaFleet(const TFleet& fleet, int nation, int shipType) {
  return fleet.Nation == nation && fleet.Status == 0 && fleet.Kind != kRiverFleet &&
         fleet.Ships[shipType] != 0 && fleet.Mission == TFleetMission::Nothing;
}

// The Union's squadrons patrol the Confederate ports in turn, each moving on
// once it has reached its port; its New York transports ship a corps to Fort
// Monroe. Standing in for the computer's admiralty, which does not plan
// yet: stray and spent fleets are recalled, and the South runs its cotton.
void GiveNavalOrders(int& next, bool& shipped) {
  for (int n = 1; n <= GameState.Nations.Count; ++n) RecallFleetsToPort(n);
  std::vector<int> ports;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (GameState.Cities[c].Side == TSide::Confederate && GameState.Cities[c].SeaPort)
      ports.push_back(c);
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    const bool arrived =
        fleet.Mission == TFleetMission::Patrol && LiesInCity(fleet, fleet.Objective);
    if (IsIdleSeaFleet(fleet, TNation::Union, TShipType::Transport) && fleet.HomePort == kNewYork &&
        !shipped) {
      TCorps& corps = GameState.Corps[kShippedCorps];
      corps.X = fleet.X;
      corps.Y = fleet.Y;
      corps.Stance = TCombatStance::Embarked;
      fleet.Corps = kShippedCorps;
      Order(fleet, TFleetMission::Amphibious, kFortMonroe);
      shipped = true;
    } else if (IsIdleSeaFleet(fleet, TNation::Union, TShipType::Warship) || arrived) {
      Order(fleet, TFleetMission::Patrol, ports[next++ % ports.size()]);
    } else if (IsIdleSeaFleet(fleet, TNation::Confederacy, TShipType::Transport)) {
      Order(fleet, TFleetMission::CottonRun, kNassau);
      fleet.Cotton = 750;
    }
  }
}

class FleetSoakTest : public TurnTest {
 protected:
  // The 1861 start with the Union played, giving its naval orders each turn.
  void Start(TurnRunner& runner) {
    SetRandomizeSource([seed = std::uint32_t{1861}]() mutable { return seed++; });
    // The load rolls the weather, and each turn's weather follows the last.
    SetRandomSeed(1861);
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
    SetAllNationsToComputer();
    GameState.Nations[TNation::Union].Human = 1;
    runner.GiveOrders = [next = 0, shipped = false](int) mutable {
      GiveNavalOrders(next, shipped);
    };
  }
};

TEST_F(FleetSoakTest, FleetsSailTheirPatrolsLandingsAndCottonRunsForTwoYearsBreakingNothing) {
  TurnRunner runner;
  Start(runner);
  TurnInvariants invariants("check");
  std::vector<std::string> findings;
  std::vector<std::pair<int, int>> hexes(GameState.Fleets.Count + 1);
  std::set<std::pair<int, int>> reached;
  int moves = 0;
  bool landed = false;
  const auto check = [&](const std::string& phase, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken) findings.push_back(phase + ": " + finding);
    landed |= GameState.Corps[kShippedCorps].City == kFortMonroe;
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      const TFleet& fleet = GameState.Fleets[f];
      moves += fleet.Status == 0 && hexes[f] != std::pair<int, int>{fleet.X, fleet.Y};
      hexes[f] = {fleet.X, fleet.Y};
      if (fleet.Mission >= TFleetMission::Move && LiesInCity(fleet, fleet.Objective))
        reached.insert({f, fleet.Objective});
    }
  };
  runner.AfterPass = [&](const std::string& pass) { check(pass, invariants.CheckRecords()); };
  runner.AfterPhase = [&](const std::string& phase) { check(phase, invariants.Check()); };
  EXPECT_EQ(runner.RunTurns(72), 72);
  EXPECT_THAT(findings, ::testing::IsEmpty());
  int cottonRunsHome = 0;
  for (const RecordedNotice& notice : window.Notices()) cottonRunsHome += notice.kind == 17;
  // This seed gives 4,657 moves, 55 objectives reached and 14 cotton runs
  // home; the floors leave room for changes in the other rules.
  EXPECT_GE(moves, 2'000);
  EXPECT_GE(reached.size(), 25u);
  EXPECT_GE(cottonRunsHome, 5);
  EXPECT_TRUE(landed) << "the corps shipped by sea landed";
}

TEST_F(FleetSoakTest, TheSameSeedGivesTheSameGameByteForByte) {
  std::vector<std::uint8_t> runs[2];
  for (std::vector<std::uint8_t>& bytes : runs) {
    TurnRunner runner;
    Start(runner);
    ASSERT_EQ(runner.RunTurns(12), 12);
    const auto* game = reinterpret_cast<const std::uint8_t*>(&GameState);
    const auto* map = reinterpret_cast<const std::uint8_t*>(&MapRecord);
    bytes.assign(game, game + sizeof(TGameState));
    bytes.insert(bytes.end(), map, map + sizeof(TMapRecord));
  }
  EXPECT_TRUE(runs[0] == runs[1]) << "the two runs differ";
}

}  // namespace
