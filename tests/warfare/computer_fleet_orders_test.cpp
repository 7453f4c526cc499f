#include "warfare/computer_fleet_orders.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fleet_fixture.h"

namespace {

// The Union and the Confederacy at war, both in the computer's hands unless a
// test says otherwise; France and Britain at peace.
class ComputerFleetOrdersTest : public FleetTest {
 protected:
  // An idle fleet lying in its home port.
  static TFleet& InPort(int nation, int port, int ironclads, int warships, int transports,
                        int kind = 1) {
    const TCity& city = GameState.Cities[port];
    TFleet& fleet = Fleet(city.X, city.Y, nation, ironclads, warships, transports);
    fleet.HomePort = port;
    fleet.Kind = kind;
    return fleet;
  }
};

// An enemy patrol with more than 50 supplies aboard spoils its target.
TEST_F(ComputerFleetOrdersTest, AnEnemyPatrolStockedAbove50TakesItsPortOffTheTargets) {
  for (const int supplies : {50, 51}) {
    Fresh();
    GameState.Nations[TNation::Union].Human = GameState.Nations[TNation::Confederacy].Human = 1;
    const int home = Port(5, 5, TSide::Confederate);
    const int target = Port(20, 5, TSide::Union);
    GameState.Cities[target].AiValue = 7;
    TFleet& patrol = Fleet(12, 5, TNation::Confederacy, 1, 0, 0);
    SailFor(patrol, TFleetMission::Patrol, home, target);
    patrol.Supplies = supplies;
    PlanFleetsAndSeaTransport();
    EXPECT_EQ(GameState.Cities[target].AiValue, supplies > 50 ? 0 : 7) << supplies;
    EXPECT_EQ(patrol.MoveAllowance, 12) << "an ironclad's pace";
  }
}

// An enemy port is worth its works plus one, and 10 an ironclad, 5 a warship
// and 20 a transport based there; a port of its own camp is worth nothing.
TEST_F(ComputerFleetOrdersTest, AnEnemyPortIsWorthItsWorksAndTheShipsBasedThere) {
  using R = std::tuple<int, int, int, int, int>;
  for (const auto& [works, ironclads, warships, transports, value] :
       {R{0, 0, 0, 0, 1}, R{3, 0, 0, 0, 4}, R{0, 1, 0, 0, 11}, R{0, 0, 1, 0, 6}, R{0, 0, 0, 1, 21}}) {
    Fresh();
    GameState.Nations[TNation::Confederacy].Human = 1;
    const int own = Port(10, 10, TSide::Union);
    GameState.Cities[own].AiValue = 9;
    const int port = Port(30, 10, TSide::Confederate);
    GameState.Cities[port].Fortifications = works;
    InPort(TNation::Confederacy, port, ironclads, warships, transports);
    PlanFleetsAndSeaTransport();
    EXPECT_EQ(GameState.Cities[port].AiValue, value) << ironclads << warships << transports;
    EXPECT_EQ(GameState.Cities[own].AiValue, 0);
  }
}

// A spotted enemy raider bound for a port is hunted by each idle or
// patrolling fleet of the camp with an ironclad, of the raider's waters and
// theatre: it patrols to the raider's target, provisioned for the way home
// (20 hexes, an ironclad and a warship weighing 3: 6) from the stock where
// the raider is bound.
TEST_F(ComputerFleetOrdersTest, IroncladsHuntASpottedRaiderPaidForTheWayHome) {
  struct Row {
    const char* what;
    int ironclads;
    int mission;
    int spotted;
    int stock;
    bool hunts;
  };
  const Row rows[] = {{"hunts", 1, TFleetMission::Nothing, 1, 100, true},
                      {"from patrol", 1, TFleetMission::Patrol, 1, 100, true},
                      {"no ironclad", 0, TFleetMission::Nothing, 1, 100, false},
                      {"unseen", 1, TFleetMission::Nothing, 0, 100, false},
                      {"on the move", 1, TFleetMission::Move, 1, 100, false},
                      {"stock short", 1, TFleetMission::Nothing, 1, 5, false}};
  for (const Row& row : rows) {
    Fresh();
    const int home = Port(10, 10, TSide::Union);
    const int target = Port(30, 14, TSide::Union);
    const int raiders = Port(50, 10, TSide::Confederate);
    TFleet& raider = Fleet(40, 14, TNation::Confederacy, 0, 1, 0);
    SailFor(raider, TFleetMission::Patrol, raiders, target);
    raider.Spotted = row.spotted;
    TFleet& hunter = Fleet(30, 10, TNation::Union, row.ironclads, 1, 0);
    hunter.HomePort = home;
    hunter.Mission = row.mission;
    Stock(TNation::Union) = row.stock;
    ChooseNavalTargets(TNation::Union, TTheatre::Seaboard);
    EXPECT_EQ(hunter.Objective, row.hunts ? target : 0) << row.what;
    EXPECT_EQ(hunter.Supplies, row.hunts ? 6 : 0) << row.what;
    EXPECT_EQ(Stock(TNation::Union), row.hunts ? row.stock - 6 : row.stock) << row.what;
  }
}

// The best enemy port is patrolled, or attacked by ironclads when its works
// are below the fleet's weight; the voyage is paid for only when the stock
// can pay it all, and the supplies are added to those aboard.
TEST_F(ComputerFleetOrdersTest, ASquadronTakesTheBestPortAndAttacksWorksBelowItsWeight) {
  struct Row {
    int works;
    int stock;
    int mission;
    int suppliesAfter;
    int stockAfter;
  };
  // Two ironclads and a warship weigh 5; stocked with 6 to sail, 20 hexes
  // need 10.
  const Row rows[] = {{4, 4, TFleetMission::AttackPort, 10, 0},
                      {5, 4, TFleetMission::Patrol, 10, 0},
                      {4, 3, TFleetMission::Nothing, 6, 3}};
  for (const Row& row : rows) {
    Fresh();
    GameState.Nations[TNation::Confederacy].Human = 1;
    GameState.Nations[TNation::Union].NavalBalance = 2;
    const int home = Port(10, 10, TSide::Union);
    const int best = Port(30, 10, TSide::Confederate);
    const int lesser = Port(10, 30, TSide::Confederate);
    GameState.Cities[best].Fortifications = row.works;
    GameState.Cities[lesser].Fortifications = 1;
    Stock(TNation::Union) = row.stock;
    TFleet& squadron = InPort(TNation::Union, home, 2, 1, 0);
    PlanFleetsAndSeaTransport();
    SCOPED_TRACE("works " + std::to_string(row.works) + ", stock " + std::to_string(row.stock));
    EXPECT_EQ(squadron.Mission, row.mission);
    EXPECT_EQ(squadron.Supplies, row.suppliesAfter);
    EXPECT_EQ(Stock(TNation::Union), row.stockAfter);
    if (row.mission != TFleetMission::Nothing) {
      EXPECT_EQ(squadron.Objective, best);
      EXPECT_EQ(GameState.Cities[best].AiValue, 0) << "taken off the targets";
    }
  }
}

// River gunboats attack the best fortified river port, with what the voyage
// lacks added to what they carry. The enemy's passes have reckoned them at
// their full pace, 18 for warships, before their own nation plans.
TEST_F(ComputerFleetOrdersTest, RiverGunboatsAttackAFortifiedRiverPortTakingWhatTheyLack) {
  GameState.Nations[TNation::Britain].Side = TSide::Union;
  GameState.Nations[TNation::Union].Human = 1;
  GameState.Nations[TNation::Confederacy].Human = 1;
  const int home = Port(10, 10, TSide::Union);
  GameState.Cities[home].Nation = TNation::Britain;
  const int target = Port(10, 30, TSide::Confederate);
  GameState.Cities[target].RiverPort = 1;
  GameState.Cities[target].Fortifications = 2;
  TFleet& gunboats = InPort(TNation::Britain, home, 1, 1, 0, 2);
  gunboats.Supplies = 1;
  PlanFleetsAndSeaTransport();
  EXPECT_EQ(gunboats.Mission, TFleetMission::AttackPort);
  EXPECT_EQ(gunboats.Objective, target);
  EXPECT_EQ(gunboats.MoveAllowance, 18);
  EXPECT_EQ(gunboats.Supplies, 2) << "20 hexes at 18 a turn for two ships need 2; 1 was aboard";
}

// Nassau buys the South's cotton while Britain is not of its camp, Matamoros
// in the west while France is not; a load is 250 a transport, at most the
// stock.
TEST_F(ComputerFleetOrdersTest, CottonSailsForAForeignBuyerNotOfTheSouthsCamp) {
  struct Row {
    int britain;
    int france;
    int theatre;
    int transports;
    int buyer;
    int cotton;
  };
  const Row rows[] = {{TSide::None, TSide::None, 1, 2, 86, 500},
                      {TSide::Union, TSide::None, 1, 3, 86, 600},
                      {TSide::Confederate, TSide::None, 1, 2, 0, 0},
                      {TSide::None, TSide::None, 3, 2, 85, 500},
                      {TSide::None, TSide::Confederate, 3, 2, 86, 500},
                      {TSide::Confederate, TSide::Confederate, 3, 2, 0, 0}};
  for (const Row& row : rows) {
    Fresh();
    GameState.Nations[TNation::Union].Human = 1;
    GameState.Nations[TNation::Britain].Side = row.britain;
    GameState.Nations[TNation::France].Side = row.france;
    for (const int buyer : {85, 86}) {
      GameState.Cities[buyer].X = 60;
      GameState.Cities[buyer].Y = static_cast<std::uint8_t>(buyer - 40);
    }
    const int home = Port(20, 20, TSide::Confederate, row.theatre);
    GameState.Nations[TNation::Confederacy].Cotton[row.theatre] = 600;
    TFleet& runners = InPort(TNation::Confederacy, home, 0, 0, row.transports, 0);
    PlanFleetsAndSeaTransport();
    SCOPED_TRACE("britain " + std::to_string(row.britain) + ", france " +
                 std::to_string(row.france) + ", theatre " + std::to_string(row.theatre));
    EXPECT_EQ(runners.Objective, row.buyer);
    EXPECT_EQ(runners.Cotton, row.cotton);
    EXPECT_EQ(runners.Mission, row.buyer != 0 ? TFleetMission::CottonRun : TFleetMission::Nothing);
    EXPECT_EQ(GameState.Nations[TNation::Confederacy].Cotton[row.theatre], 600 - row.cotton);
  }
}

// France at war in the South's camp orders the computer's Confederate fleets,
// never those of a Confederacy a player commands.
TEST_F(ComputerFleetOrdersTest, FranceNeverOrdersTheFleetsOfAPlayersConfederacy) {
  for (const bool played : {true, false}) {
    Fresh();
    GameState.Nations[TNation::Union].Human = 1;
    GameState.Nations[TNation::Confederacy].Human = played ? 1 : 0;
    GameState.Nations[TNation::France].Side = TSide::Confederate;
    GameState.Nations[TNation::France].NavalBalance = 2;
    Stock(TNation::France) = 1000;
    const int home = Port(10, 10, TSide::Confederate);
    Port(30, 10, TSide::Union);
    TFleet& squadron = InPort(TNation::Confederacy, home, 0, 2, 0);
    PlanFleetsAndSeaTransport();
    SCOPED_TRACE(played ? "played" : "computer");
    EXPECT_EQ(squadron.Mission, played ? TFleetMission::Nothing : TFleetMission::Patrol);
    EXPECT_EQ(squadron.Supplies, played ? 0 : 4);
  }
}

// The corps given to an amphibious fleet embarks where the fleet lies, with
// the notice; one gone elsewhere is let go. An idle fleet puts its corps
// ashore, or without transports loses it.
TEST_F(ComputerFleetOrdersTest, CorpsEmbarkOnAmphibiousFleetsAndIdleFleetsLandOrLoseThem) {
  GameState.Nations[TNation::Confederacy].Human = 1;
  const int home = Port(10, 10, TSide::Union);
  const int objective = Port(30, 30, TSide::Confederate);
  TFleet& boarding = InPort(TNation::Union, home, 0, 0, 2);
  SailFor(boarding, TFleetMission::Amphibious, home, objective);
  boarding.Supplies = 50;
  const int c = AddCorps(10, 10, TSide::Union, TNation::Union);
  boarding.Corps = c;
  TFleet& abandoned = InPort(TNation::Union, home, 0, 0, 2);
  SailFor(abandoned, TFleetMission::Amphibious, home, objective);
  abandoned.Supplies = 50;
  abandoned.Corps = AddCorps(11, 11, TSide::Union, TNation::Union);
  GameState.Corps[abandoned.Corps].Stance = TCombatStance::Advance;
  TFleet& awaiting = InPort(TNation::Union, home, 0, 0, 2);
  SailFor(awaiting, TFleetMission::Amphibious, home, objective);
  awaiting.Supplies = 50;
  awaiting.Corps = AddCorps(12, 12, TSide::Union, TNation::Union);
  GameState.Corps[awaiting.Corps].Stance = TCombatStance::Withdraw;
  TFleet& idle = InPort(TNation::Union, home, 0, 0, 1);
  TCorps& ashore = EmbarkCorps(idle);
  TFleet& empty = InPort(TNation::Union, home, 0, 1, 0);
  TCorps& lost = EmbarkCorps(empty);
  lost.Leader = 7;
  GameState.Brigades[1].Strength = 30;
  GameState.Brigades[1].Nation = TNation::Union;
  PlanFleetsAndSeaTransport();

  EXPECT_EQ(GameState.Corps[c].Stance, TCombatStance::Embarked);
  EXPECT_EQ(GameState.Corps[c].DestX, 30);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 9);
  EXPECT_EQ(window.Notices()[0].lines[2], "text 157");
  EXPECT_TRUE(abandoned.Mission == TFleetMission::Nothing && abandoned.Corps == 0)
      << "the corps that went elsewhere is not aboard";
  EXPECT_TRUE(awaiting.Mission == TFleetMission::Amphibious && awaiting.Corps != 0)
      << "the corps still withdrawing to board is awaited";
  EXPECT_TRUE(ashore.Stance == TCombatStance::Defend && idle.Corps == 0);
  EXPECT_TRUE(lost.IsFree() && empty.Corps == 0 && GameState.Brigades[1].IsFree());
  EXPECT_EQ(GameState.Leaders[7].Status, 255);
  EXPECT_EQ(GameState.Casualties[TNation::Union], 30);
}

// A corps put ashore by an idle fleet marches on the fleet's port but keeps
// the supply city it had, a player's as much as the computer's; one the enemy
// holds is left to the supply pass.
TEST_F(ComputerFleetOrdersTest, ACorpsPutAshoreKeepsItsSupplyCityWhoeverCommandsIt) {
  for (const int human : {0, 1}) {
    for (const int holder : {TSide::Union, TSide::Confederate}) {
      SCOPED_TRACE(testing::Message() << "human " << human << ", supply city of camp " << holder);
      Fresh();
      GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(human);
      const int home = Port(10, 10, TSide::Union);
      const int supply = Port(30, 30, holder);
      TCorps& corps = EmbarkCorps(InPort(TNation::Union, home, 0, 0, 1));
      corps.City = static_cast<std::uint8_t>(supply);
      PlanFleetsAndSeaTransport();
      EXPECT_EQ(corps.Stance, TCombatStance::Defend);
      EXPECT_EQ(corps.DestX, 10);
      EXPECT_EQ(corps.City, supply);
    }
  }
}

// River gunboats go for an enemy corps on the river within nine hexes; a
// corps that knows no state takes its ground's.
TEST_F(ComputerFleetOrdersTest, GunboatsStrikeCorpsOnTheRiverWithinNineHexes) {
  for (const int distance : {9, 10}) {
    Fresh();
    GameState.Nations[TNation::Confederacy].Human = 1;
    const int home = Port(10, 10, TSide::Union);
    TFleet& gunboats = InPort(TNation::Union, home, 0, 1, 0, 2);
    const int enemy = AddCorps(10, 10 + distance, TSide::Confederate, TNation::Confederacy);
    GameState.Corps[enemy].Theatre = TTheatre::Seaboard;
    MapRecord.Cell(10, 10 + distance).SetFlag7(true);
    const int own = AddCorps(12, 12, TSide::Union, TNation::Union);
    GameState.Corps[own].Strength = 5;
    MapRecord.Cell(12, 12).Bytes[2] = 128 + 7;
    PlanFleetsAndSeaTransport();
    SCOPED_TRACE(distance);
    EXPECT_EQ(gunboats.Mission, distance < 10 ? TFleetMission::Patrol : TFleetMission::Nothing);
    EXPECT_EQ(gunboats.DestY, distance < 10 ? 10 + distance : 0);
    EXPECT_EQ(gunboats.Objective, 0);
    EXPECT_EQ(GameState.Corps[own].State, 7);
  }
}

}  // namespace
