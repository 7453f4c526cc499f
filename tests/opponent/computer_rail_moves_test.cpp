// The computer's rail moves: between its own stations at least 4 hexes apart,
// within its rail capacity, along its camp's lines, and never further than
// the lines reach.
#include "opponent/computer_rail_moves.h"

#include <gtest/gtest.h>

#include "opponent/planner_fixture.h"

namespace {

class ComputerRailMovesTest : public PlannerTest {
 protected:
  // A line of the camp down column 20 from row `from` to row `to`.
  static void Line(int from, int to, int side) {
    for (int y = from; y <= to; ++y) {
      MapRecord.Cell(20, y).SetLinkFlag();
      MapRecord.Cell(20, y).SetOwner(side);
    }
  }
  static int Station(int y, int side, int nation) {
    const int c = AddCity(20, y, side);
    GameState.Cities[c].Nation = static_cast<std::uint8_t>(nation);
    GameState.Cities[c].RailStation = 1;
    MapRecord.Cell(20, y).SetOwner(side);
    return c;
  }
  static int Rider(int y, int nation, int brigades, int destY) {
    const int c = AddCorpsOf(20, y, nation, 80);
    TCorps& corps = GameState.Corps[c];
    corps.OtherBrigades = static_cast<std::uint8_t>(brigades);
    corps.DestX = 20;
    corps.DestY = static_cast<std::uint8_t>(destY);
    return c;
  }
};

TEST_F(ComputerRailMovesTest, StationsFewerThan4HexesApartAreMarched) {
  for (const auto& [apart, rides] : {std::pair{3, false}, std::pair{4, true}}) {
    Fresh();
    GameState.Nations[TNation::Union].RailCapacity = 10;
    Line(10, 20, TSide::Union);
    Station(10, TSide::Union, TNation::Union);
    Station(10 + apart, TSide::Union, TNation::Union);
    const int c = Rider(10, TNation::Union, 2, 10 + apart);
    ArrangeRailMoves(TNation::Union);
    EXPECT_EQ(GameState.Corps[c].Y, rides ? 10 + apart : 10) << apart << " hexes";
    EXPECT_EQ(GameState.Corps[c].Stance, rides ? TCombatStance::ByRail : TCombatStance::Withdraw);
  }
}

// Capacity 3 with a riding corps of 4 brigades (cost 2) already charged.
TEST_F(ComputerRailMovesTest, ACorpsRidesOnlyWhenItsCostFitsTheCapacityLeft) {
  for (const auto& [brigades, rides] :
       {std::pair{4, false}, std::pair{3, false}, std::pair{2, true}}) {
    Fresh();
    GameState.Nations[TNation::Union].RailCapacity = 3;
    Line(10, 20, TSide::Union);
    Station(10, TSide::Union, TNation::Union);
    Station(20, TSide::Union, TNation::Union);
    GameState.Corps[Rider(30, TNation::Union, 4, 0)].Stance = TCombatStance::ByRail;
    const int c = Rider(10, TNation::Union, brigades, 20);
    ArrangeRailMoves(TNation::Union);
    EXPECT_EQ(GameState.Corps[c].Y, rides ? 20 : 10) << brigades << " brigades";
    EXPECT_EQ(GameState.Nations[TNation::Union].RailUsed, rides ? 3 : 2);
  }
}

// The route finder's last target, left by an earlier route elsewhere, must
// not carry a corps whose stations no line joins.
TEST_F(ComputerRailMovesTest, WithoutALineTheCorpsStaysWhereItStands) {
  Line(10, 14, TSide::Union);
  Line(16, 20, TSide::Union);
  Station(10, TSide::Union, TNation::Union);
  Station(20, TSide::Union, TNation::Union);
  const int c = Rider(10, TNation::Union, 2, 20);
  TargetHexX = 50;
  TargetHexY = 40;
  EXPECT_FALSE(CarryCorpsToStationByRail(c, 20, 10, TNation::Union, 20, 20));
  EXPECT_EQ(GameState.Corps[c].X, 20);
  EXPECT_EQ(GameState.Corps[c].Y, 10);
}

TEST_F(ComputerRailMovesTest, ALongLineIsRiddenInLegsAndAlliesRideTheirCampsLines) {
  GameState.Nations[TNation::France].Side = TSide::Union;
  Line(5, 50, TSide::Union);
  Station(5, TSide::Union, TNation::France);
  Station(50, TSide::Union, TNation::France);
  const int c = Rider(5, TNation::France, 2, 50);
  EXPECT_TRUE(CarryCorpsToStationByRail(c, 20, 5, TNation::France, 20, 50));
  EXPECT_EQ(GameState.Corps[c].Y, 50);
}

}  // namespace
