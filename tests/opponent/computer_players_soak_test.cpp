// The computer players on the start files, headless. One planning pass on the
// 1862 start must give orders a player could give, and the same seed the same
// orders; a campaign played by the computer on both sides must march its
// corps toward their objectives, breaking nothing after any phase.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "opponent/planner_camps.h"
#include "opponent/turn_driver.h"
#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/save_load.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kSoakTurns = 48;
// Scripted operations 1..14 (9 is sea transport). An operation that kept
// every corps it ever took would pass a fifth of the corps table long before
// 48 turns; those that release theirs level off well below it.
constexpr int kLastOperation = 14;
constexpr int kMostCorpsOnOneOperation = 24;
constexpr std::size_t kMostFindingsReported = 20;

struct Hex {
  int x = 0;
  int y = 0;
  friend bool operator==(const Hex&, const Hex&) = default;
};

// Where each corps stands, or where it is sent.
std::vector<Hex> CorpsHexes(bool destinations) {
  std::vector<Hex> hexes(GameState.Corps.Count + 1);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    hexes[c] = destinations ? Hex{corps.DestX, corps.DestY} : Hex{corps.X, corps.Y};
  }
  return hexes;
}

bool IsStationOfCamp(const Hex& hex, int camp) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == hex.x && city.Y == hex.y && city.RailStation != 0 &&
        CampOfNation(city.Nation) == camp)
      return true;
  }
  return false;
}

// What no order of the computer may leave: a destination off the map or
// half set, a stance past rail, a supply city of the other camp.
std::vector<std::string> OrderFaults() {
  std::vector<std::string> faults;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0) continue;
    const std::string name = "corps " + std::to_string(c);
    const bool none = corps.DestX == 0 && corps.DestY == 0;
    if (!none && !TMapRecord::OnMap(corps.DestX, corps.DestY))
      faults.push_back(name + " is sent off the map");
    if (corps.Stance > TCombatStance::ByRail) faults.push_back(name + " has stance " + std::to_string(corps.Stance));
    // A corps landed from the sea draws on the port it lies before until it takes it.
    const bool besieging = CorpsStandsOnCity(corps, corps.City);
    if (corps.City != 0 && GameState.Cities[corps.City].Side != corps.Side && !besieging)
      faults.push_back(name + " draws on a city of the other camp");
  }
  return faults;
}

// How many active corps hold each operation's mission.
std::vector<int> CorpsOnEachOperation() {
  std::vector<int> counts(kLastOperation + 1);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.AiMission >= 1 && corps.AiMission <= kLastOperation) ++counts[corps.AiMission];
  }
  return counts;
}

// Hexes between the corps and its destination; 0 without one.
int DistanceLeft(int c) {
  const TCorps& corps = GameState.Corps[c];
  if (corps.DestX == 0) return 0;
  return HexDistance(corps.X, corps.Y, corps.DestX, corps.DestY);
}

class ComputerPlayersTest : public TurnTest {
 protected:
  // The load rolls the weather, so the seed comes first: each run plays the
  // same game, whatever tests ran before it.
  void Load(const std::string& year) {
    SetRandomSeed(1862);
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/" + year + ".gmr"));
    SetAllNationsToComputer();
  }
};

TEST_F(ComputerPlayersTest, OnePlanningPassOn1862GivesEveryBelligerentOrdersAPlayerCouldGive) {
  Load("1862");
  const std::vector<Hex> before = CorpsHexes(false);
  const std::vector<Hex> ordered = CorpsHexes(true);
  SetRandomSeed(1862);
  RunNationTurnLoop();
  EXPECT_EQ(CurrentSide, TNation::Britain);
  EXPECT_THAT(OrderFaults(), ::testing::IsEmpty());
  const std::vector<Hex> after = CorpsHexes(true);
  int newOrders[TNation::Britain + 1] = {};
  int railMoves = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0) continue;
    newOrders[corps.Nation] += after[c] != ordered[c];
    if (corps.Stance != TCombatStance::ByRail) continue;
    ++railMoves;
    const Hex now{corps.X, corps.Y};
    EXPECT_TRUE(IsStationOfCamp(before[c], corps.Side)) << "corps " << c << " boarded off the line";
    EXPECT_TRUE(IsStationOfCamp(now, corps.Side)) << "corps " << c << " left the train off the line";
    EXPECT_EQ(now, after[c]) << "corps " << c << " stopped short";
    TargetHexX = TargetHexY = 0;
    RouteTo(before[c].x, before[c].y, now.x, now.y, 30, kRailRouteMode, corps.Side, kAnyHex);
    EXPECT_EQ(RouteReached, kRouteReached) << "corps " << c << " rode no line";
  }
  EXPECT_GT(newOrders[TNation::Union], 0);
  EXPECT_GT(newOrders[TNation::Confederacy], 0);
  std::cout << "1862 planning pass: new destinations " << newOrders[TNation::Union] << " Union, "
            << newOrders[TNation::Confederacy] << " Confederate; " << railMoves
            << " rail moves\n";
}

TEST_F(ComputerPlayersTest, TheSameSeedGivesTheSamePlansByteForByte) {
  std::vector<std::uint8_t> runs[2];
  for (std::vector<std::uint8_t>& bytes : runs) {
    Load("1862");
    RunNationTurnLoop();
    const auto* game = reinterpret_cast<const std::uint8_t*>(&GameState);
    bytes.assign(game, game + sizeof(TGameState));
  }
  EXPECT_TRUE(runs[0] == runs[1]) << "the two passes differ";
}

class ComputerCampaign : public ComputerPlayersTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(ComputerCampaign, MarchesOnItsObjectivesForFortyEightTurnsBreakingNothing) {
  Load(GetParam());
  TurnInvariants invariants("check");
  std::vector<std::string> findings;
  const auto note = [&](const std::string& phase, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken) {
      if (findings.size() < kMostFindingsReported) findings.push_back(phase + ": " + finding);
    }
  };
  std::vector<std::vector<int>> missions;
  int destinations = 0;
  int hexesMarched = 0;
  int citiesTaken = 0;
  int nearer = 0;
  int farther = 0;
  std::vector<int> distanceLeft(GameState.Corps.Count + 1);
  std::vector<Hex> ordered = CorpsHexes(true);
  std::vector<int> holders(GameState.Cities.Count + 1);
  for (int c = 1; c <= GameState.Cities.Count; ++c) holders[c] = GameState.Cities[c].Side;
  TurnRunner runner;
  runner.AfterPass = [&](const std::string& pass) { note(pass, invariants.CheckRecords()); };
  runner.AfterPhase = [&](const std::string& phase) {
    note(phase, invariants.Check());
    if (phase.ends_with("end of orders")) {
      // Cities change hands in the movement; the next plans take note.
      note(phase, OrderFaults());
      missions.push_back(CorpsOnEachOperation());
      std::cout << phase << ": corps by operation";
      for (int k = 1; k <= kLastOperation; ++k) std::cout << ' ' << missions.back()[k];
      std::cout << '\n';
      const std::vector<Hex> now = CorpsHexes(true);
      for (int c = 1; c <= GameState.Corps.Count; ++c)
        destinations += GameState.Corps[c].Inactive == 0 && now[c] != ordered[c];
      ordered = now;
      for (int c = 1; c <= GameState.Corps.Count; ++c) distanceLeft[c] = DistanceLeft(c);
    }
    if (phase.ends_with("movement")) {
      for (int c = 1; c <= GameState.Corps.Count; ++c) {
        hexesMarched += GameState.Corps[c].StepsMoved;
        if (GameState.Corps[c].Inactive != 0) continue;
        nearer += DistanceLeft(c) < distanceLeft[c];
        farther += DistanceLeft(c) > distanceLeft[c];
      }
    }
    if (phase.ends_with("after movement")) {
      for (int c = 1; c <= GameState.Cities.Count; ++c) {
        citiesTaken += GameState.Cities[c].Side != holders[c];
        holders[c] = GameState.Cities[c].Side;
      }
    }
  };
  // Battles are fought: a capital may fall, and its side capitulate (codes 2
  // and 3), before the turns are out. No other ending is expected.
  const int turns = runner.RunTurns(kSoakTurns);
  EXPECT_TRUE(turns == kSoakTurns || GameOverCode == 2 || GameOverCode == 3)
      << "the game ended with code " << GameOverCode << " after " << turns << " turns";
  EXPECT_THAT(findings, ::testing::IsEmpty());
  for (const std::vector<int>& counts : missions) {
    for (int k = 1; k <= kLastOperation; ++k) EXPECT_LE(counts[k], kMostCorpsOnOneOperation) << "operation " << k;
  }
  EXPECT_GT(destinations, kSoakTurns) << "the computer gives new orders turn after turn";
  EXPECT_GT(nearer, farther) << "its corps march toward their destinations";
  std::cout << GetParam() << ": " << destinations << " new destinations, " << hexesMarched
            << " hexes marched, " << nearer << " corps-turns nearer their destination and "
            << farther << " farther, " << citiesTaken << " cities changed hands\n";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, ComputerCampaign, ::testing::Values("1861", "1862", "1863"));

}  // namespace
