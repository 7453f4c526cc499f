// The computer's landings: one a turn, at the enemy port most worth it, by a
// fleet with transports to spare; a corps boards only from beside its fleet,
// and a corps waiting for its fleet is neither lost at sea nor carried off
// across the map.
#include "opponent/sea_transport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/planner_fixture.h"
#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/force_totals.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kSeaTransport = 9;

class SeaTransportOn1862 : public TurnTest {
 protected:
  void Load1862() {
    SetRandomSeed(1862);
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/1862.gmr"));
    SetAllNationsToComputer();
    ComputeForceTotals();
  }
};

std::vector<int> FleetMissions() {
  std::vector<int> missions;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) missions.push_back(GameState.Fleets[f].Mission);
  return missions;
}

int MostValuedCity() {
  int best = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c)
    if (GameState.Cities[c].AiValue > (best == 0 ? 0 : GameState.Cities[best].AiValue)) best = c;
  return best;
}

int MarkedFleets() {
  int n = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f)
    n += GameState.Fleets[f].TransportTask == kSeaTransport;
  return n;
}

int WaitingCorps() {
  int n = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    n += GameState.Corps[c].AiMission == kSeaTransport;
  return n;
}

// The Union's transport fleets of 1862 (each with two transports or more),
// one of them cut to a single transport; with artillery in its corps or none.
TEST_F(SeaTransportOn1862, OneLandingATurnAtTheBestEnemyPortAndNoneWithoutGuns) {
  for (const bool guns : {true, false}) {
    Load1862();
    constexpr int kCutFleet = 6;
    GameState.Fleets[kCutFleet].Ships[TShipType::Transport] = 1;
    for (int c = 1; c <= GameState.Corps.Count && !guns; ++c)
      GameState.Corps[c].ArtilleryBrigades = 0;
    const std::vector<int> before = FleetMissions();
    PlanAmphibiousOperations(TNation::Union);
    int launched = 0;
    int landing = 0;
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      if (GameState.Fleets[f].Mission == before[f - 1]) continue;
      ++launched;
      landing = f;
    }
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      const TCity& city = GameState.Cities[c];
      if (city.AiValue == 0) continue;
      EXPECT_TRUE(city.SeaPort != 0 && city.Side == TSide::Confederate) << c;
    }
    EXPECT_EQ(GameState.Fleets[kCutFleet].TransportTask, 0);
    if (guns) {
      EXPECT_EQ(launched, 1);
      EXPECT_EQ(GameState.Fleets[1].TransportTask, kSeaTransport)
          << "two transports make a transport fleet";
      EXPECT_EQ(GameState.Fleets[landing].Mission, TFleetMission::Amphibious);
      EXPECT_EQ(GameState.Fleets[landing].Objective, MostValuedCity());
      EXPECT_GT(WaitingCorps(), 0);
    } else {
      EXPECT_EQ(launched, 0);
      EXPECT_EQ(MarkedFleets(), 0);
      EXPECT_EQ(WaitingCorps(), 0);
    }
  }
}

class EmbarkationTest : public PlannerTest {};

// A corps boards from a hex beside its fleet, ready to withdraw aboard; the
// fleet then sails for the landing port it was given. Otherwise the fleet
// gives the corps up and heads home.
TEST_F(EmbarkationTest, ACorpsBesideItsFleetBoardsAndTheFleetSailsForItsLanding) {
  const struct {
    int distance;
    int stance;
    bool boards;
  } rows[] = {{1, TCombatStance::Withdraw, true},
              {2, TCombatStance::Withdraw, false},
              {1, TCombatStance::Defend, false}};
  for (const auto& row : rows) {
    Fresh();
    const int home = AddCityIn(20, 20, TSide::Union, TTheatre::Seaboard);
    const int landing = AddCityIn(40, 30, TSide::Confederate, TTheatre::Seaboard);
    const int f = AddFleet(20, 20, TSide::Union, TNation::Union);
    const int c = AddCorpsOf(20, 20 + row.distance, TNation::Union, 80);
    TFleet& fleet = GameState.Fleets[f];
    fleet.HomePort = static_cast<std::uint8_t>(home);
    fleet.Objective = static_cast<std::uint8_t>(landing);
    fleet.Mission = TFleetMission::Amphibious;
    fleet.Corps = static_cast<std::uint8_t>(c);
    GameState.Corps[c].Stance = static_cast<std::uint8_t>(row.stance);
    EmbarkAssignedCorps();
    const int port = row.boards ? landing : home;
    EXPECT_EQ(GameState.Corps[c].Stance == TCombatStance::Embarked, row.boards) << row.distance;
    EXPECT_EQ(fleet.Corps, row.boards ? c : 0);
    EXPECT_EQ(fleet.Mission, row.boards ? TFleetMission::Amphibious : TFleetMission::Move);
    EXPECT_EQ(fleet.Objective, port);
    EXPECT_EQ(fleet.DestX, GameState.Cities[port].X);
    EXPECT_EQ(fleet.DestY, GameState.Cities[port].Y);
  }
}

// Only one corps of the 1862 Union has guns and only the fleet at Alexandria
// has transports: the corps at Fort Monroe's coast lies too far from it and
// is fetched from its port; the one standing on its own city, Grafton, waits
// there.
// Through the end of the orders and the movement neither is lost or carried.
TEST_F(SeaTransportOn1862, AFetchedOrWaitingCorpsSurvivesTheTurnAndMarchesNoFurtherThanItsSteps) {
  constexpr int kFleet = 10;
  const struct {
    int corps;
    bool fetched;
  } rows[] = {{12, true}, {16, false}};
  for (const auto& row : rows) {
    Load1862();
    // The turn recounts the corps' brigades, so the guns go from the brigades.
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      TBrigade& brigade = GameState.Brigades[b];
      if (brigade.Arm == TArm::Artillery && brigade.Location != row.corps)
        brigade.Arm = TArm::Infantry;
    }
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      if (f != kFleet) GameState.Fleets[f].Ships[TShipType::Transport] = 0;
    }
    TCorps& corps = GameState.Corps[row.corps];
    if (!row.fetched) {
      corps.X = GameState.Cities[corps.City].X;
      corps.Y = GameState.Cities[corps.City].Y;
    }
    int x = 0, y = 0;
    TurnRunner runner;
    runner.AfterPhase = [&](const std::string& phase) {
      const TFleet& fleet = GameState.Fleets[kFleet];
      if (phase.ends_with("end of orders")) {
        EXPECT_EQ(corps.Inactive, 0) << row.corps;
        EXPECT_NE(corps.Stance, TCombatStance::Embarked) << row.corps;
        if (row.fetched) {
          EXPECT_EQ(fleet.Mission, TFleetMission::Move);
          EXPECT_EQ(fleet.Objective, corps.City);
        } else {
          EXPECT_EQ(fleet.Corps, row.corps);
        }
        x = corps.X;
        y = corps.Y;
      } else if (phase.ends_with("movement") && !phase.ends_with("after movement")) {
        EXPECT_EQ(corps.Inactive, 0) << row.corps;
        EXPECT_LE(HexDistance(x, y, corps.X, corps.Y), corps.StepsMoved) << row.corps;
      }
    };
    runner.RunTurn();
  }
}

// The landing takes the nearest corps waiting for the sea less than 20 hexes
// from the fleet: one 8 hexes or more off is fetched from its port, a nearer
// one marches to the fleet.
TEST_F(EmbarkationTest, TheFleetFetchesACorpsFromEightHexesAndTakesNoneFromTwenty) {
  const struct {
    int distance, mission;
  } rows[] = {{7, TFleetMission::Amphibious},
              {8, TFleetMission::Move},
              {19, TFleetMission::Move},
              {20, TFleetMission::Nothing}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "corps " << row.distance << " hexes off");
    Fresh();
    const int home = AddCityIn(10, 20, TSide::Union, TTheatre::Seaboard);
    GameState.Cities[home].SeaPort = 1;
    const int landing = AddCityIn(40, 40, TSide::Confederate, TTheatre::Seaboard, 10);
    GameState.Cities[landing].SeaPort = 1;
    GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard] = 1000;
    const int f = AddFleet(10, 20, TSide::Union, TNation::Union);
    TFleet& fleet = GameState.Fleets[f];
    fleet.HomePort = static_cast<std::uint8_t>(home);
    fleet.Kind = 1;
    fleet.Ships[TShipType::Transport] = 2;
    const int c = AddCorpsOf(10 + row.distance, 20, TNation::Union, 80);
    GameState.Corps[c].ArtilleryBrigades = 1;
    GameState.Corps[c].City = static_cast<std::uint8_t>(home);
    PlanAmphibiousOperations(TNation::Union);
    EXPECT_EQ(fleet.Mission, row.mission);
    EXPECT_EQ(fleet.Corps, row.mission == TFleetMission::Amphibious ? c : 0);
  }
}

}  // namespace
