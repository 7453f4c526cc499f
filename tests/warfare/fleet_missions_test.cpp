#include "warfare/fleet_missions.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/fleet_fixture.h"
#include "warfare/fleet_movement.h"

namespace {

// A Union port at (10, 10) in the seaboard theatre; a British buyer of cotton
// at (40, 30) in the west.
class FleetMissionsTest : public FleetTest {
 protected:
  void SetUp() override {
    FleetTest::SetUp();
    Port(10, 10, TSide::Union);
    GameState.Cities[Port(40, 30, TSide::None, TTheatre::West)].Nation = TNation::Britain;
  }
  static constexpr int kHome = 1;
  static constexpr int kBuyer = 2;
};

// Stores and cotton at rest reach the home theatre's stocks when there are
// at most 9,999 of them and the stock is below 50,000; otherwise they are lost.
TEST_F(FleetMissionsTest, StoresAtRestGoHomeWhenTheStockCanTakeThemAndAreLostOtherwise) {
  for (const auto& [aboard, stock, stockAfter] :
       {std::tuple{9'999, 40'000, 49'999}, std::tuple{10'000, 0, 0}, std::tuple{12'000, 100, 100},
        std::tuple{500, 49'999, 50'499}, std::tuple{500, 50'000, 50'000}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 40, TNation::Union);
    SailFor(fleet, TFleetMission::Patrol, kHome, 0);
    fleet.Supplies = fleet.Cotton = aboard;
    Stock(TNation::Union) = GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard] = stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Union), stockAfter) << aboard << " onto " << stock;
    EXPECT_EQ(GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard], stockAfter);
    EXPECT_EQ(fleet.Supplies + fleet.Cotton, 0);
  }
}

// The buyer pays a supply a bale out of its stock, kept at 1,000 at least,
// and the fleet turns for home.
TEST_F(FleetMissionsTest, CottonSoldAbroadTakesFromTheBuyersStockDownToAFloorAndPaysInFull) {
  for (const auto& [stock, stockAfter] :
       {std::pair{2'500, 1'000}, std::pair{4'000, 1'000}, std::pair{4'001, 1'001}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 30, TNation::Union);
    SailFor(fleet, TFleetMission::CottonRun, kHome, kBuyer);
    fleet.Cotton = 3'000;
    fleet.Supplies = 20;
    Stock(TNation::Britain, TTheatre::West) = stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Britain, TTheatre::West), stockAfter) << stock;
    EXPECT_EQ(fleet.Supplies, 3'020);
    EXPECT_EQ(fleet.DestX, 10);
  }
}

// A voyage ending at home refits a damaged fleet: in the movement only with
// both yards and both ironclads and other ships damaged; at the missions
// check with either yard. The refit puts the damaged ships back in service.
TEST_F(FleetMissionsTest, AVoyageEndingAtHomeRefitsADamagedFleetInAYard) {
  using R = std::tuple<bool, int, int, int, int, bool>;
  for (const auto& [moving, damagedIronclads, damagedOthers, yardA, yardB, refit] :
       {R{true, 1, 1, 1, 1, true}, R{true, 0, 1, 1, 1, false}, R{true, 1, 0, 1, 1, false},
        R{true, 1, 1, 0, 1, false}, R{true, 1, 1, 1, 0, false}, R{false, 0, 1, 0, 0, false},
        R{false, 0, 0, 1, 1, false}, R{false, 0, 1, 1, 0, true}, R{false, 0, 1, 0, 1, true}}) {
    Fresh();
    GameState.Cities[kHome].ShipyardA = yardA;
    GameState.Cities[kHome].ShipyardB = yardB;
    TFleet& fleet = Fleet(10, 10, TNation::Union);
    SailFor(fleet, TFleetMission::Move, kHome, kHome);
    fleet.DamagedShips[TShipType::Ironclad] = damagedIronclads;
    fleet.DamagedShips[TShipType::Transport] = damagedOthers;
    if (moving) MoveFleetStep(1);
    if (!moving) ProcessFleetMissions();
    EXPECT_EQ(fleet.Mission, refit ? TFleetMission::Refit : 0)
        << moving << damagedIronclads << damagedOthers << yardA << yardB;
  }
  ProcessFleetMissions();
  EXPECT_EQ(GameState.Fleets[1].Ships[TShipType::Transport], 2);
  EXPECT_EQ(GameState.Fleets[1].Mission, TFleetMission::Nothing);
}

}  // namespace
