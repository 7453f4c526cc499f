#include "world/fleet_stores.h"

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

using FleetStoresTest = WorldTest;

// A Confederate sea transport fleet of 1 sound and 1 damaged transport holds 450 bales.
TEST_F(FleetStoresTest, LoadsMoveWholeAndOnlyWhatIsThere) {
  enum Move { Supplies, Unsupplies, Cotton, Uncotton };
  constexpr StoreMove kMoves[] = {LoadSupplies, UnloadSupplies, LoadCotton, UnloadCotton};
  struct Row {
    int kind, move, stock, aboard, stockAfter, aboardAfter;
  };
  const Row rows[] = {
      {0, Supplies, 5, 0, 0, 5},
      {0, Supplies, 4, 0, 4, 0},
      {0, Unsupplies, 0, 5, 5, 0},
      {0, Unsupplies, 0, 4, 0, 4},
      {0, Supplies, 65535, 65533, 65535, 65533},
      {0, Cotton, 1000, 430, 950, 480},
      {0, Cotton, 1000, 450, 1000, 450},
      {0, Cotton, 30, 0, 0, 30},
      {1, Cotton, 1000, 0, 1000, 0},
      {0, Uncotton, 0, 30, 30, 0},
      {0, Uncotton, 65500, 100, 65500, 100},
      {0, Uncotton, 10, 120, 60, 70},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.move << " " << row.stock << " " << row.aboard);
    TFleet fleet{};
    fleet.Kind = static_cast<std::uint8_t>(row.kind);
    fleet.Ships[3] = 1, fleet.DamagedShips[3] = 1;
    U16 stock{};
    stock = static_cast<std::uint16_t>(row.stock);
    U16& aboard = row.move <= Unsupplies ? fleet.Supplies : fleet.Cotton;
    aboard = static_cast<std::uint16_t>(row.aboard);
    kMoves[row.move](fleet, stock);
    EXPECT_EQ(stock, row.stockAfter);
    EXPECT_EQ(aboard, row.aboardAfter);
  }
}

}  // namespace
