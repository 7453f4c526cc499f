#include "world/regional_supply.h"

#include <array>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Confederate corps of ten brigades each eat 20 in their theatre.
class RegionalSupplyTest : public WorldTest {
 protected:
  static constexpr int kNation = TNation::Confederacy;

  static void AddCorpsIn(int theatre) {
    TCorps& corps = GameState.Corps[AddCorps(10, 10, TSide::Confederate, kNation)];
    corps.Theatre = theatre;
    corps.OtherBrigades = 10;
  }
  static U16& Supplies(int theatre) { return GameState.Nations[kNation].Supplies[theatre]; }
};

TEST_F(RegionalSupplyTest, EachDonorGivesUpToTheWholeNeedAndNothingMakesUpTheRest) {
  AddCorpsIn(TTheatre::Seaboard);
  AddCorpsIn(TTheatre::West);
  // Ships at home eat 10 each, damaged ones nothing.
  const int port = AddCity(30, 30, TSide::Confederate);
  GameState.Cities[port].Theatre = TTheatre::Mississippi;
  TFleet& fleet = GameState.Fleets[AddFleet(30, 30, TSide::Confederate, kNation)];
  fleet.Status = 0;
  fleet.HomePort = port;
  fleet.Ships[3] = 1;
  fleet.DamagedShips[1] = 4;
  Supplies(TTheatre::Seaboard) = 5;
  Supplies(TTheatre::West) = 100;
  Supplies(TTheatre::Mississippi) = 30;
  BalanceRegionalSupply(kNation);
  EXPECT_EQ(GameState.Nations[kNation].SupplyDemand[TTheatre::Mississippi], 10);
  // A need of 15, met in full by each theatre with a surplus.
  EXPECT_EQ((std::array<int, 3>{Supplies(TTheatre::Seaboard), Supplies(TTheatre::West),
                                Supplies(TTheatre::Mississippi)}),
            (std::array{35, 85, 15}));

  Supplies(TTheatre::Seaboard) = 5;
  Supplies(TTheatre::West) = 22;
  Supplies(TTheatre::Mississippi) = 10;
  BalanceRegionalSupply(kNation);
  EXPECT_EQ(Supplies(TTheatre::Seaboard) + Supplies(TTheatre::West), 20 + 20);
}

// A demand beyond a word's reach is kept at the top of the stock, both as
// the demand and as the supplies it raises the stock to.
TEST_F(RegionalSupplyTest, AHugeDemandStopsAtTheTopOfTheStock) {
  for (int c = 0; c < 120; ++c) {
    AddCorpsIn(TTheatre::Seaboard);
    GameState.Corps[c + 1].OtherBrigades = 255;
    GameState.Corps[c + 1].SupplyPriority = 2;
  }
  BalanceRegionalSupply(kNation);
  EXPECT_EQ(GameState.Nations[kNation].SupplyDemand[TTheatre::Seaboard], 65535);
  EXPECT_EQ(Supplies(TTheatre::Seaboard), 65535);
}

}  // namespace
