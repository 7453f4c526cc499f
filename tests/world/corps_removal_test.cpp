#include <gtest/gtest.h>

#include <utility>

#include "opponent/force_management.h"
#include "tests/world/corps_fixture.h"
#include "world/corps_movement.h"
#include "world/corps_orders.h"
#include "world/dissolve_and_disband.h"
#include "world/force_totals.h"
#include "world/leaderless_corps.h"
#include "world/political_turn.h"

namespace {

// A Confederate corps at (10, 10), sent for by a British fleet whose home
// port is at (30, 10), with a Union corps carried by another fleet far off.
class CorpsRemovalTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    GameState.Nations[TNation::Britain].Side = TSide::Confederate;
    home = AddCity(30, 10, TSide::Confederate);
    corps = AddMarchingCorps(10, 10, TSide::Confederate);
    AddBrigadeTo(corps);
    fleet = SentFor(corps, TNation::Britain);
    other = AddMarchingCorps(50, 50, TSide::Union);
    AddBrigadeTo(other);
    otherFleet = SentFor(other, TNation::Union);
  }

  int SentFor(int c, int nation) {
    const int f = AddFleet(Corps(c).X, Corps(c).Y, Corps(c).Side, nation);
    TFleet& ships = GameState.Fleets[f];
    ships.Corps = static_cast<std::uint8_t>(c);
    ships.Mission = TFleetMission::Amphibious;
    ships.HomePort = static_cast<std::uint8_t>(home);
    ships.Objective = 40;
    ships.DestX = ships.DestY = 5;
    return f;
  }

  int home = 0;
  int corps = 0;
  int fleet = 0;
  int other = 0;
  int otherFleet = 0;
};

// However a corps leaves the board, the fleet sent for it, or carrying it,
// gives it up and sails home; a fleet naming another corps keeps it.
TEST_F(CorpsRemovalTest, AFleetNamingACorpsThatLeavesTheBoardGivesItUpAndSailsHome) {
  struct Row {
    const char* name;
    void (*remove)(int corps);
  };
  const Row rows[] = {
      {"disbanded", [](int c) { DisbandCorps(c); }},
      {"lost at sea", [](int c) { LoseCorpsAtSea(c); }},
      {"spent on the march",
       [](int c) {
         Corps(c).Strength = 0;
         MoveCorpsStep(c);
       }},
      {"surrendered cut off",
       [](int c) {
         Corps(c).Disorder = 3;
         Corps(c).SupplyType = TSupplyType::Foraging;
         AddMarchingCorps(10, 13, TSide::Union);
         ProcessCorpsOrders();
       }},
      {"laid down its colours on its depot",
       [](int c) {
         const int depot = AddCity(10, 10, TSide::Confederate);
         GameState.Cities[depot].SupplyLevel = 1;
         Corps(c).City = static_cast<std::uint8_t>(depot);
         Corps(c).Disorder = 2;
         AddMarchingCorps(10, 10, TSide::Union);
         ProcessCorpsOrders();
       }},
      {"surrendered without a commander",
       [](int c) {
         LeaderOf(c) = TLeader{};
         Corps(c).Leader = 0;
         ProcessLeaderlessCorps();
       }},
      {"ceased in the force totals",
       [](int c) {
         Corps(c).X = 0;
         ComputeForceTotals();
       }},
      {"left without a nation",
       [](int c) {
         Corps(c).Nation = 0;
         ManageComputerForces();
       }},
      {"its nation capitulated", [](int) { CapitulateSide(TNation::Confederacy, TNation::Union); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    row.remove(corps);
    ASSERT_TRUE(Corps(corps).IsFree());
    const TFleet& ships = GameState.Fleets[fleet];
    EXPECT_EQ(ships.Corps, 0);
    EXPECT_EQ(ships.Mission, TFleetMission::Move);
    EXPECT_EQ(ships.Objective, home);
    EXPECT_EQ(std::pair(int{ships.DestX}, int{ships.DestY}), std::pair(30, 10));
    EXPECT_EQ(GameState.Fleets[otherFleet].Corps, other);
    EXPECT_EQ(GameState.Fleets[otherFleet].Mission, TFleetMission::Amphibious);
  }
}

}  // namespace
