// Fleets at sea through whole turns of the 1861 start, headless: the Union
// player sends its squadrons on patrol from one Confederate port to the next
// and ships a corps by sea, while the computer's admirals send the South's
// blockade runners with cotton to Nassau; and a campaign with every nation in
// the computer's hands. The fleets must really sail, fight and finish what
// they set out to do, breaking nothing on the way, and the same seed must give
// the same game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "warfare/fleet_update.h"
#include "world/codes.h"
#include "world/fleet_places.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

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
// Monroe.
void GiveNavalOrders(int& next, bool& shipped) {
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
    }
  }
}

// A stock overdrawn below 0 would wrap and leap by more than this; no turn's
// income comes near it.
constexpr int kWrapLeap = 30'000;

int SunkNotices(const RecordingWindow& window) {
  int sunk = 0;
  for (const std::string& message : window.Messages()) sunk += message.ends_with(" sunk");
  return sunk;
}

int CottonRunsHome(const RecordingWindow& window) {
  int runs = 0;
  for (const RecordedNotice& notice : window.Notices()) runs += notice.kind == 17;
  return runs;
}

std::vector<std::uint8_t> GameBytes() {
  std::vector<std::uint8_t> bytes(sizeof(TGameState) + sizeof(TMapRecord));
  std::memcpy(bytes.data(), &GameState, sizeof(TGameState));
  std::memcpy(bytes.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
  return bytes;
}

// Every nation's supplies and cotton stocks, theatre by theatre.
std::vector<int> Stocks() {
  std::vector<int> stocks;
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    for (int t = 1; t <= kTheatreCount; ++t) {
      stocks.push_back(GameState.Nations[n].Supplies[t]);
      stocks.push_back(GameState.Nations[n].Cotton[t]);
    }
  }
  return stocks;
}

class FleetSoakTest : public TurnTest {
 protected:
  // The 1861 start in the computer's hands; when the Union is played, it
  // gives its naval orders each turn.
  void Start(TurnRunner& runner, bool unionPlayed = true) {
    SetRandomizeSource([seed = std::uint32_t{1861}]() mutable { return seed++; });
    // Loading draws from the generator as the last run left it.
    SetRandomSeed(1861);
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
    SetAllNationsToComputer();
    if (!unionPlayed) return;
    HandTheUnionToAPlayer();
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
  // Battles are fought: a side may capitulate before the two years are out.
  const int turns = runner.RunTurns(72);
  EXPECT_TRUE(turns == 72 || GameOverCode == 2 || GameOverCode == 3)
      << "the game ended with code " << GameOverCode << " after " << turns << " turns";
  EXPECT_THAT(findings, ::testing::IsEmpty());
  // This seed gives 3,383 moves, 46 objectives reached, 2 cotton runs home
  // through the Union's patrols and 4 fleets sunk; the floors leave room for
  // changes in the other rules.
  EXPECT_GE(moves, 2'000);
  EXPECT_GE(reached.size(), 25u);
  EXPECT_GE(CottonRunsHome(window), 1);
  EXPECT_GE(SunkNotices(window), 1);
  EXPECT_TRUE(landed) << "the corps shipped by sea landed";
}

TEST_F(FleetSoakTest, TheSameSeedGivesTheSameGameByteForByte) {
  std::vector<std::uint8_t> runs[2];
  for (std::vector<std::uint8_t>& bytes : runs) {
    TurnRunner runner;
    Start(runner);
    ASSERT_EQ(runner.RunTurns(12), 12);
    bytes = GameBytes();
  }
  EXPECT_TRUE(runs[0] == runs[1]) << "the two runs differ";
}

// Four computer nations for twelve turns: the South's cotton comes home, no
// stock is overdrawn into a wrap, nothing breaks, and the seed decides all.
TEST_F(FleetSoakTest, ComputerAdmiralsAloneRunCottonAndFightForTwelveTurnsTheSameEachTime) {
  std::vector<std::uint8_t> runs[2];
  for (std::vector<std::uint8_t>& bytes : runs) {
    TurnRunner runner;
    Start(runner, false);
    TurnInvariants invariants("check");
    std::vector<std::string> findings;
    std::vector<int> stocks = Stocks();
    const auto check = [&](const std::string& phase, const std::vector<std::string>& broken) {
      for (const std::string& finding : broken) findings.push_back(phase + ": " + finding);
      const std::vector<int> now = Stocks();
      for (std::size_t k = 0; k < now.size(); ++k)
        if (now[k] - stocks[k] > kWrapLeap) findings.push_back(phase + ": a stock wrapped");
      stocks = now;
    };
    runner.AfterPass = [&](const std::string& pass) { check(pass, invariants.CheckRecords()); };
    runner.AfterPhase = [&](const std::string& phase) { check(phase, invariants.Check()); };
    window.ForgetRecords();
    ASSERT_EQ(runner.RunTurns(12), 12);
    EXPECT_THAT(findings, ::testing::IsEmpty());
    // This seed brings 2 cotton runs home and sinks 5 fleets.
    EXPECT_GE(CottonRunsHome(window), 1);
    bytes = GameBytes();
  }
  EXPECT_TRUE(runs[0] == runs[1]) << "the two runs differ";
}

}  // namespace
