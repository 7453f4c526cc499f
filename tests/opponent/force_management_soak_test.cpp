// Three years of the 1861 start with the computer on every side: the forces it
// raises, the corps and armies it forms and the fleets it builds, with every
// invariant holding after every phase.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kTurns = 36;
constexpr std::size_t kMostFindingsReported = 20;

class ComputerForcesSoak : public TurnTest {};

int Count(const RecordingWindow& window, int kind) {
  int count = 0;
  for (const RecordedNotice& notice : window.Notices()) count += notice.kind == kind;
  return count;
}

TEST_F(ComputerForcesSoak, ThreeComputerYearsRaiseFormAndLaunchBreakingNothing) {
  SetRandomizeSource([seed = std::uint32_t{1861}]() mutable { return seed++; });
  ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
  SetAllNationsToComputer();
  GameState.MessageView = 3;  // every notice recorded, to count what was done
  // The start's fleets on the stocks, with the camp they are built for.
  std::map<int, int> building;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status >= 1 && fleet.Status <= 25) building[f] = fleet.Side;
  }
  std::map<int, bool> launched;
  const auto shareSum = [](int n) {
    int sum = 0;
    for (int k = 1; k <= 4; ++k) sum += GameState.Nations[n].ProductionShare[k];
    return sum;
  };
  std::map<int, int> shares;
  for (int n = 1; n <= GameState.Nations.Count; ++n) shares[n] = shareSum(n);
  TurnInvariants invariants("check");
  std::vector<std::string> findings;
  const auto note = [&](const std::string& phase, const std::vector<std::string>& broken) {
    for (const auto& [f, side] : building)
      launched[f] =
          launched[f] || (GameState.Fleets[f].Status == 0 && GameState.Fleets[f].Side == side);
    for (const std::string& finding : broken)
      if (findings.size() < kMostFindingsReported) findings.push_back(phase + ": " + finding);
  };
  TurnRunner runner;
  runner.AfterPhase = [&](const std::string& phase) { note(phase, invariants.Check()); };
  runner.AfterPass = [&](const std::string& pass) { note(pass, invariants.CheckRecords()); };
  ASSERT_EQ(runner.RunTurns(kTurns), kTurns);
  EXPECT_THAT(findings, ::testing::IsEmpty());

  for (int n = 1; n <= GameState.Nations.Count; ++n) EXPECT_EQ(shareSum(n), shares[n]) << n;
  // A fleet whose port fell is freed; every other one has put to sea.
  for (const auto& [f, side] : building)
    EXPECT_TRUE(launched[f] || GameState.Fleets[f].IsFree()) << "fleet " << f << " on the stocks";
  const int recruited = Count(window, 23), placed = Count(window, 22), forts = Count(window, 7);
  const int corps = Count(window, 21), armies = Count(window, 20), fleets = Count(window, 16);
  std::cout << "start fleets on the stocks " << building.size() << ", brigades topped up "
            << recruited << ", placed " << placed << ", forts " << forts << ", corps formed "
            << corps << ", armies formed " << armies << ", fleets launched " << fleets << "\n";
  // This seed's counts are printed above; the floors leave room for the other rules.
  EXPECT_FALSE(building.empty());
  EXPECT_GE(recruited, 1);
  EXPECT_GE(placed, 1);
  EXPECT_GE(corps, 1);
  EXPECT_GE(fleets, static_cast<int>(building.size()));
}

}  // namespace
