#include "opponent/naval_building.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
      {TShipType::Transport, 3, 3, TFleetMission::Refit, 10, 0, 3, 0, TFleetMission::Nothing},
      {TShipType::Transport, 3, 2, TFleetMission::Refit, 10, 0, 2, 0, TFleetMission::Refit},
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

class NavalPlanTest : public NavalBuildingTest {
 protected:
  static constexpr int kPortState = 5;
  // A Union sea port of the Seaboard with its yards; the West holds 2,000
  // supplies more, so that the Union never counts itself poor.
  static int UnionSeaPort(int yardA, int yardB, int supplies) {
    GameState.States[kPortState].Nation = TNation::Union;
    const int port = AddCity(10, 10, TSide::Union);
    TCity& city = GameState.Cities[port];
    city.Theatre = TTheatre::Seaboard;
    city.State = kPortState;
    city.SeaPort = 1;
    city.ShipyardA = static_cast<std::uint8_t>(yardA);
    city.ShipyardB = static_cast<std::uint8_t>(yardB);
    TNationRec& union_ = GameState.Nations[TNation::Union];
    union_.Supplies[TTheatre::Seaboard] = static_cast<std::uint16_t>(supplies);
    union_.Supplies[TTheatre::West] = 2000;
    return port;
  }
  static int AddShips(int nation, int ironclads, int warships, int transports) {
    const int f = AddFleet(1, 1, GameState.Nations[nation].Side, nation);
    TFleet& fleet = GameState.Fleets[f];
    fleet.Kind = 1;
    fleet.Ships[TShipType::Ironclad] = static_cast<std::uint8_t>(ironclads);
    fleet.Ships[TShipType::Warship] = static_cast<std::uint8_t>(warships);
    fleet.Ships[TShipType::Transport] = static_cast<std::uint8_t>(transports);
    return f;
  }
  // The ships of every fleet still being built, by type.
  static std::array<int, 4> ShipsOrdered() {
    std::array<int, 4> ordered{};
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      const TFleet& fleet = GameState.Fleets[f];
      if (fleet.IsFree() || fleet.Status == 0) continue;
      for (int type = TShipType::Ironclad; type <= TShipType::Transport; ++type)
        ordered[type] += fleet.Ships[type];
    }
    return ordered;
  }
  static void ClearFleets() {
    for (int f = 1; f <= GameState.Fleets.Count; ++f)
      GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
};

// Ironclad yards are added while they number fewer than half the ironclads
// wanted and fewer than 8, hull yards while fewer than half the hulls and
// fewer than 16; each costs 500 or 250 while the theatre holds 2,000.
TEST_F(NavalPlanTest, YardsAreAddedBelowTheirCapsWhileTheTheatreHoldsTwoThousand) {
  struct Row {
    int enemyIronclads, enemyTransports, yardA, yardB, supplies, yardAAfter, yardBAfter, left;
  };
  const Row rows[] = {
      // 24 ironclads wanted: yards up to 13, one a pass from 7 to 12.
      {20, 0, 7, 16, 4500, 13, 16, 1500},
      {20, 0, 8, 16, 4500, 8, 16, 4500},
      // 44 hulls wanted: up to 30 yards, as long as the 2,000 last.
      {0, 48, 8, 15, 2500, 8, 18, 1750},
      {0, 48, 8, 16, 2500, 8, 16, 2500},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "yards " << row.yardA << "/" << row.yardB);
    SetRandomSeed(3);
    const int port = UnionSeaPort(row.yardA, row.yardB, row.supplies);
    AddShips(TNation::Confederacy, row.enemyIronclads, 0, row.enemyTransports);
    PlanNavalBuilding(TNation::Union);
    EXPECT_EQ(GameState.Cities[port].ShipyardA, row.yardAAfter);
    EXPECT_EQ(GameState.Cities[port].ShipyardB, row.yardBAfter);
    EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard], row.left);
    GameState.Cities[port] = TCity{};
    ClearFleets();
  }
}

// With 20 build points a nation orders sea ships: transports when it lacks
// more than 3, ironclads more than 1, warships more than 2. The Union wants
// 12 transports, 4 ironclads and 8 warships against an empty sea.
TEST_F(NavalPlanTest, ShipsAreOrderedFromTwentyBuildPointsOnlyForWhatIsLackedAboveTheFloor) {
  struct Row {
    int buildPoints, transports, ironclads, warships;
    bool transportsOrdered, ironcladsOrdered, warshipsOrdered;
  };
  const Row rows[] = {
      {1000, 8, 2, 5, true, true, true},
      {1000, 9, 3, 6, false, false, false},
      {20, 9, 2, 6, false, true, false},
      {19, 9, 2, 6, false, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.buildPoints << " points, lacking " << 12 - row.transports
                                    << "/" << 4 - row.ironclads << "/" << 8 - row.warships);
    SetRandomSeed(7);
    const int port = UnionSeaPort(8, 16, 4000);
    GameState.Nations[TNation::Union].BuildPoints = static_cast<std::uint16_t>(row.buildPoints);
    AddShips(TNation::Union, row.ironclads, row.warships, row.transports);
    PlanNavalBuilding(TNation::Union);
    const std::array<int, 4> ordered = ShipsOrdered();
    EXPECT_EQ(ordered[TShipType::Transport] != 0, row.transportsOrdered);
    EXPECT_EQ(ordered[TShipType::Ironclad] != 0, row.ironcladsOrdered);
    EXPECT_EQ(ordered[TShipType::Warship] != 0, row.warshipsOrdered);
    GameState.Cities[port] = TCity{};
    ClearFleets();
  }
}

// Below 4,000 supplies in all the Union halves what it wants.
TEST_F(NavalPlanTest, TheUnionHalvesItsWantsBelowFourThousandSupplies) {
  for (const auto& [supplies, ironclads, transports] :
       {std::tuple{4000, 4, 12}, std::tuple{3999, 2, 6}}) {
    SCOPED_TRACE(supplies);
    GameState.Nations[TNation::Union].Supplies[TTheatre::West] = 0;
    GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard] =
        static_cast<std::uint16_t>(supplies);
    TallyShips();
    const NavalWants want = WantedShips(TNation::Union);
    EXPECT_EQ(want.ironclads, ironclads);
    EXPECT_EQ(want.transports, transports);
  }
}

// Production moves between the army and the navy only in a month's first week.
TEST_F(NavalPlanTest, ProductionShiftsOnlyInTheFirstWeekOfTheMonth) {
  for (const auto& [day, infantry, naval] : {std::tuple{7, 59, 10}, std::tuple{8, 60, 9}}) {
    SCOPED_TRACE(day);
    GameState.Day = static_cast<std::uint8_t>(day);
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.ProductionShare = {};
    nation.ProductionShare[1] = 60;
    nation.ProductionShare[4] = 9;
    PlanNavalBuilding(TNation::Union);
    EXPECT_EQ(nation.ProductionShare[1], infantry);
    EXPECT_EQ(nation.ProductionShare[4], naval);
  }
}

// What each nation wants at its caps: the Union 24 ironclads, 32 warships and
// 8 of each river kind; France and Britain 12 ironclads; the Confederacy its
// own transports + 8 or its cotton in thousands, and a third of its warships
// for every theatre while it holds less than 3,000 supplies in all.
TEST_F(NavalPlanTest, WantsStopAtTheirCapsAndThePoorSouthCutsItsWarships) {
  struct Row {
    int nation, enemyIronclads, enemyWarships, ownTransports, cotton, supplies;
    int ironclads, warships, transports;
  };
  const int U = TNation::Union, C = TNation::Confederacy;
  const Row rows[] = {
      {U, 21, 30, 0, 0, 2000, 24, 32, 12},
      {TNation::France, 22, 40, 0, 0, 0, 12, 16, 6},
      {TNation::Britain, 26, 50, 0, 0, 0, 12, 24, 12},
      {C, 0, 48, 5, 13999, 1000, 0, 12, 13},
      {C, 0, 48, 22, 0, 1000, 0, 12, 30},
      {C, 0, 48, 5, 0, 999, 0, 0, 13},  // 2,999 in all: 12 / 3 / 3 / 3
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "nation " << row.nation << ", supplies " << row.supplies);
    GameState.Nations[TNation::France].Side = 3;
    GameState.Nations[TNation::Britain].Side = 3;
    TNationRec& nation = GameState.Nations[row.nation];
    for (int t = 1; t <= kTheatreCount; ++t) {
      nation.Supplies[t] = static_cast<std::uint16_t>(t == 3 ? row.supplies : 1000);
      nation.Cotton[t] = static_cast<std::uint16_t>(t == 1 ? row.cotton : 0);
    }
    const int enemy = row.nation == C ? U : C;
    AddShips(enemy, row.enemyIronclads, row.enemyWarships, 0);
    AddShips(row.nation, 0, 0, row.ownTransports);
    TallyShips();
    const NavalWants want = WantedShips(row.nation);
    EXPECT_EQ(want.ironclads, row.ironclads);
    EXPECT_EQ(want.warships, row.warships);
    EXPECT_EQ(want.transports, row.transports);
    ClearFleets();
  }
  GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard] = 5000;
  const int f = AddShips(TNation::Confederacy, 0, 0, 0);
  GameState.Fleets[f].Kind = 2;
  GameState.Fleets[f].Ships[TShipType::Ironclad] = 5;
  GameState.Fleets[f].Ships[TShipType::Warship] = 3;
  TallyShips();
  const NavalWants want = WantedShips(TNation::Union);
  EXPECT_EQ(want.riverIronclads, 8);
  EXPECT_EQ(want.riverWarships, 8);
}

// In a month's first week production moves a step toward the navy (up to 10
// for the warring camps); a large navy, more than 30 warships and 10
// ironclads or for the South more than 30 transports, sends it back.
TEST_F(NavalPlanTest, ALargeNavySendsProductionBackOnlyAboveItsThresholds) {
  struct Row {
    int nation, naval, warships, ironclads, transports, infantryAfter, navalAfter;
  };
  const int U = TNation::Union, C = TNation::Confederacy;
  const Row rows[] = {
      {U, 10, 0, 0, 0, 60, 10}, {U, 9, 30, 11, 0, 59, 10}, {U, 9, 31, 10, 0, 59, 10},
      {U, 9, 31, 11, 0, 68, 1}, {C, 4, 0, 0, 31, 59, 5},   {C, 5, 0, 0, 31, 62, 3},
      {C, 5, 0, 0, 30, 59, 6},
  };
  GameState.Day = 1;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "nation " << row.nation << ", naval share " << row.naval);
    TNationRec& nation = GameState.Nations[row.nation];
    nation.ProductionShare = {};
    nation.ProductionShare[1] = 60;
    nation.ProductionShare[4] = static_cast<std::uint8_t>(row.naval);
    AddShips(row.nation, row.ironclads, row.warships, row.transports);
    PlanNavalBuilding(row.nation);
    EXPECT_EQ(nation.ProductionShare[1], row.infantryAfter);
    EXPECT_EQ(nation.ProductionShare[4], row.navalAfter);
    ClearFleets();
  }
}

// River orders: ironclads when more than 1 is lacked, warships more than 2.
TEST_F(NavalPlanTest, RiverShipsAreOrderedOnlyForWhatIsLackedAboveTheFloor) {
  struct Row {
    int ironclads, warships;
    bool ironcladsOrdered, warshipsOrdered;
  };
  const Row rows[] = {{2, 3, true, true}, {3, 4, false, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "lacking " << 4 - row.ironclads << "/" << 6 - row.warships);
    SetRandomSeed(9);
    const int port = UnionSeaPort(1, 1, 4000);
    GameState.Cities[port].SeaPort = 0;
    GameState.Cities[port].RiverPort = 1;
    GameState.Nations[TNation::Union].BuildPoints = 1000;
    const int f = AddShips(TNation::Union, row.ironclads, row.warships, 0);
    GameState.Fleets[f].Kind = 2;
    AddShips(TNation::Union, 4, 8, 12);  // the sea wants nothing
    PlanNavalBuilding(TNation::Union);
    const std::array<int, 4> ordered = ShipsOrdered();
    EXPECT_EQ(ordered[TShipType::Ironclad] != 0, row.ironcladsOrdered);
    EXPECT_EQ(ordered[TShipType::Warship] != 0, row.warshipsOrdered);
    GameState.Cities[port] = TCity{};
    ClearFleets();
  }
}

}  // namespace
