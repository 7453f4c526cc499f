// Fleets at sea through whole turns of the 1861 start, headless: the Union
// player sends its squadrons on patrol from one Confederate port to the next
// and ships a corps by sea, and a Confederate blockade runner carries cotton
// to Nassau. The fleets must really sail and finish what they set out to do,
// breaking nothing on the way, and the same seed must give the same game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "warfare/fleet_places.h"
#include "warfare/fleet_update.h"
#include "world/codes.h"
#include "world/corps_movement.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kNassau = 86;
constexpr int kCharlestonRunners = 8;
constexpr int kNewYorkTransports = 4;
constexpr int kFortMonroe = 23;

std::vector<int> ConfederatePorts() {
  std::vector<int> ports;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side == TSide::Confederate && city.SeaPort != 0) ports.push_back(c);
  }
  return ports;
}

// Ordered out with stores for the voyage, as the fleet orders dialog loads them.
void Order(TFleet& fleet, int mission, int objective) {
  fleet.Supplies = 200;
  fleet.Mission = static_cast<std::uint8_t>(mission);
  fleet.Objective = static_cast<std::uint8_t>(objective);
  SteerToCity(fleet, objective);
}

bool IsSquadron(const TFleet& fleet) {
  return fleet.Status == 0 && fleet.Kind != kRiverFleet &&
         fleet.Ships[TShipType::Ironclad] + fleet.Ships[TShipType::Warship] != 0;
}

// An idle squadron, or one that has reached its port, patrols the next one.
void SendPatrols(int& next) {
  const std::vector<int> ports = ConfederatePorts();
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != TNation::Union || !IsSquadron(fleet) || ports.empty()) continue;
    if (fleet.Mission == TFleetMission::Nothing || LiesInCity(fleet, fleet.Objective))
      Order(fleet, TFleetMission::Patrol, ports[next++ % ports.size()]);
  }
}

// The corps standing in New York goes aboard the transports for Fort Monroe.
void ShipACorps() {
  TFleet& fleet = GameState.Fleets[kNewYorkTransports];
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Nation != TNation::Union) continue;
    corps.X = fleet.X;
    corps.Y = fleet.Y;
    corps.Stance = TCombatStance::Embarked;
    fleet.Corps = static_cast<std::uint8_t>(c);
    Order(fleet, TFleetMission::Amphibious, kFortMonroe);
    return;
  }
}

// Stands in for the computer's admiralty, which does not plan yet: stray and
// spent fleets are recalled, and the Confederacy sends its cotton to Nassau.
void RunAdmiralty() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) RecallFleetsToPort(n);
  TFleet& runner = GameState.Fleets[kCharlestonRunners];
  if (runner.Status != 0 || runner.Mission != TFleetMission::Nothing) return;
  runner.Cotton = 750;
  Order(runner, TFleetMission::CottonRun, kNassau);
}

class FleetSoakTest : public TurnTest {
 protected:
  void Load() {
    SetRandomizeSource([seed = std::uint32_t{1861}]() mutable { return seed++; });
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
    SetAllNationsToComputer();
    GameState.Nations[TNation::Union].Human = 1;
  }

  void GiveNavalOrders(TurnRunner& runner) {
    runner.GiveOrders = [this](int) {
      if (turns_ordered++ == 0) ShipACorps();
      SendPatrols(next_port_);
      RunAdmiralty();
    };
  }

  int turns_ordered = 0;
  int next_port_ = 0;
};

TEST_F(FleetSoakTest, FleetsSailTheirPatrolsLandingsAndCottonRunsForTwoYearsBreakingNothing) {
  Load();
  TurnInvariants invariants("check");
  TurnRunner runner;
  GiveNavalOrders(runner);
  std::vector<std::string> findings;
  std::vector<std::pair<int, int>> positions(GameState.Fleets.Count + 1);
  std::set<std::pair<int, int>> reached;
  int moves = 0;
  runner.AfterPass = [&](const std::string& pass) {
    for (const std::string& broken : invariants.CheckRecords())
      findings.push_back(pass + ": " + broken);
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      const TFleet& fleet = GameState.Fleets[f];
      if (fleet.Status == 0 && positions[f] != std::pair<int, int>{fleet.X, fleet.Y}) ++moves;
      positions[f] = {fleet.X, fleet.Y};
      if (fleet.Mission >= TFleetMission::Move && LiesInCity(fleet, fleet.Objective))
        reached.insert({f, fleet.Objective});
    }
  };
  runner.AfterPhase = [&](const std::string& phase) {
    for (const std::string& broken : invariants.Check()) findings.push_back(phase + ": " + broken);
    for (int f = 1; f <= GameState.Fleets.Count; ++f)
      positions[f] = {GameState.Fleets[f].X, GameState.Fleets[f].Y};
  };
  EXPECT_EQ(runner.RunTurns(72), 72);
  EXPECT_THAT(findings, ::testing::IsEmpty());
  int cottonRunsHome = 0;
  for (const RecordedNotice& notice : window.Notices()) cottonRunsHome += notice.kind == 17;
  // A run of this seed makes 4,734 moves, reaches 52 objectives and brings
  // 10 cotton runs home; the floors leave room for changes in the other rules.
  EXPECT_GE(moves, 2'000);
  EXPECT_GE(reached.size(), 25u);
  EXPECT_GE(cottonRunsHome, 5);
}

TEST_F(FleetSoakTest, TheSameSeedGivesTheSameGameByteForByte) {
  std::vector<std::uint8_t> first;
  for (int run = 0; run < 2; ++run) {
    Load();
    turns_ordered = next_port_ = 0;
    TurnRunner runner;
    GiveNavalOrders(runner);
    ASSERT_EQ(runner.RunTurns(12), 12);
    std::vector<std::uint8_t> bytes(sizeof(TGameState) + sizeof(TMapRecord));
    std::memcpy(bytes.data(), &GameState, sizeof(TGameState));
    std::memcpy(bytes.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
    if (run == 0)
      first = bytes;
    else
      EXPECT_TRUE(bytes == first) << "the second run differs";
  }
}

}  // namespace
