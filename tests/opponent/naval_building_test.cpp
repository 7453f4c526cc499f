#include "opponent/naval_building.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

class NavalBuildingTest : public WindowTest {
 protected:
  int AddPortFleet(int yardA, int yardB) {
    const int port = AddCity(10, 10, TSide::Union);
    GameState.Cities[port].Theatre = TTheatre::Seaboard;
    GameState.Cities[port].ShipyardA = static_cast<std::uint8_t>(yardA);
    GameState.Cities[port].ShipyardB = static_cast<std::uint8_t>(yardB);
    const int f = AddFleet(10, 10, TSide::Union, TNation::Union);
    GameState.Fleets[f].HomePort = static_cast<std::uint8_t>(port);
    return f;
  }
};

TEST_F(NavalBuildingTest, DamagedShipsAreRepairedInTheirYardAsFarAsSuppliesPay) {
  struct Row {
    int type, damaged, supplies, mission, x, yardA, repaired, suppliesLeft, missionAfter;
  };
  const Row rows[] = {
      {TShipType::Ironclad, 2, 70, TFleetMission::Refit, 10, 1, 1, 20, TFleetMission::Refit},
      {TShipType::Ironclad, 2, 40, TFleetMission::Refit, 10, 1, 0, 40, TFleetMission::Refit},
      {TShipType::Ironclad, 2, 100, TFleetMission::Refit, 10, 1, 2, 0, TFleetMission::Nothing},
      {TShipType::Warship, 3, 25, TFleetMission::Nothing, 10, 1, 2, 5, TFleetMission::Nothing},
      {TShipType::Transport, 3, 9, TFleetMission::Refit, 11, 1, 0, 9, TFleetMission::Refit},
      // Nothing left to repair: the refit ends away from port as in it.
      {TShipType::Transport, 0, 9, TFleetMission::Refit, 11, 1, 0, 9, TFleetMission::Nothing},
      {TShipType::Transport, 3, 9, TFleetMission::Move, 10, 1, 0, 9, TFleetMission::Move},
      {TShipType::Ironclad, 2, 100, TFleetMission::Refit, 11, 0, 0, 100, TFleetMission::Refit},
      {TShipType::Ironclad, 2, 100, TFleetMission::Refit, 10, 0, 0, 100, TFleetMission::Refit},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.type << ": " << row.supplies);
    const int f = AddPortFleet(row.yardA, 1);
    TFleet& fleet = GameState.Fleets[f];
    fleet.DamagedShips[row.type] = static_cast<std::uint8_t>(row.damaged);
    fleet.Mission = static_cast<std::uint8_t>(row.mission);
    fleet.X = static_cast<std::uint8_t>(row.x);
    GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard] =
        static_cast<std::uint16_t>(row.supplies);
    RefitFleetsInPort(TNation::Union);
    EXPECT_EQ(fleet.Ships[row.type], row.repaired);
    EXPECT_EQ(fleet.DamagedShips[row.type], row.damaged - row.repaired);
    EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard], row.suppliesLeft);
    EXPECT_EQ(fleet.Mission, row.missionAfter);
    GameState.Cities[fleet.HomePort] = TCity{};
    fleet.Status = TFleet::FreedStatus;
  }
}

TEST_F(NavalBuildingTest, WantedShipsFollowTheEnemyTalliesAndTheNationsPurse) {
  struct Row {
    int nation, suppliesEach, cotton, enemyTransports, enemyStatus;
    int ironclads, warships, transports;
  };
  const Row rows[] = {
      // The Union: the enemy's 24 transports, escorted; at least 12 of its own.
      {TNation::Union, 1334, 0, 24, 0, 10, 20, 12},
      {TNation::Union, 1333, 0, 24, 0, 5, 10, 6},   // under 4,000 in all: halved
      {TNation::Union, 1334, 0, 24, 24, 4, 8, 12},  // ships just ordered do not count
      {TNation::Confederacy, 1000, 0, 0, 0, 0, 0, 8},
      {TNation::Confederacy, 1000, 31000, 0, 0, 0, 0, 31},
      {TNation::France, 0, 0, 0, 0, 2, 0, 6},
      {TNation::Britain, 0, 0, 0, 0, 0, 0, 12},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.nation << ": " << row.suppliesEach);
    GameState.Nations[TNation::France].Side = 3;  // neither camp
    GameState.Nations[TNation::Britain].Side = 3;
    TNationRec& nation = GameState.Nations[row.nation];
    for (int t = 1; t <= kTheatreCount; ++t) {
      nation.Supplies[t] = static_cast<std::uint16_t>(row.suppliesEach);
      nation.Cotton[t] = static_cast<std::uint16_t>(row.cotton);
    }
    const int enemy = row.nation == TNation::Confederacy ? TNation::Union : TNation::Confederacy;
    const int f = AddFleet(1, 1, enemy, enemy);
    GameState.Fleets[f].Ships[TShipType::Transport] =
        static_cast<std::uint8_t>(row.enemyTransports);
    GameState.Fleets[f].Status = static_cast<std::uint8_t>(row.enemyStatus);
    TallyShips();
    const NavalWants want = WantedShips(row.nation);
    EXPECT_EQ(want.ironclads, row.ironclads);
    EXPECT_EQ(want.warships, row.warships);
    EXPECT_EQ(want.transports, row.transports);
    GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
}

// Without yards, the plan only moves production and draws for its 51 orders.
TEST_F(NavalBuildingTest, ThePlanShiftsProductionKeepingItsSumAndDrawsFiftyOneOrders) {
  struct Row {
    int nation, day, buildPoints, infantry, naval, seaWarships, infantryAfter, navalAfter, draws;
  };
  const Row rows[] = {
      {TNation::Union, 1, 29, 60, 9, 0, 59, 10, 51},
      {TNation::Union, 1, 30, 60, 9, 0, 60, 9, 51},
      {TNation::Union, 11, 19, 60, 9, 0, 60, 9, 0},
      {TNation::Union, 1, 19, 0, 5, 0, 0, 5, 0},  // no infantry share left to give
      {TNation::France, 1, 0, 60, 19, 0, 59, 20, 0},
      {TNation::Britain, 1, 0, 60, 12, 31, 71, 1, 0},  // a navy this large turns back
      {TNation::Confederacy, 1, 0, 60, 6, 31, 63, 3, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.nation << " on day " << row.day);
    GameState.Day = static_cast<std::uint8_t>(row.day);
    TNationRec& nation = GameState.Nations[row.nation];
    nation.BuildPoints = static_cast<std::uint16_t>(row.buildPoints);
    nation.ProductionShare = {};
    nation.ProductionShare[1] = static_cast<std::uint8_t>(row.infantry);
    nation.ProductionShare[4] = static_cast<std::uint8_t>(row.naval);
    const int f = AddFleet(1, 1, nation.Side, row.nation);
    GameState.Fleets[f].Ships[TShipType::Warship] = static_cast<std::uint8_t>(row.seaWarships);
    GameState.Fleets[f].Ships[TShipType::Ironclad] = 11;
    GameState.Fleets[f].Ships[TShipType::Transport] = static_cast<std::uint8_t>(row.seaWarships);
    ScriptRandomDraws(std::deque<ScriptedDraw>(static_cast<std::size_t>(row.draws), {100, 99}));
    PlanNavalBuilding(row.nation);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    StopScriptingRandomDraws();
    EXPECT_EQ(nation.ProductionShare[1], row.infantryAfter);
    EXPECT_EQ(nation.ProductionShare[4], row.navalAfter);
    EXPECT_EQ(nation.ProductionShare[1] + nation.ProductionShare[4], row.infantry + row.naval);
    GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
}

}  // namespace
