// How the computer places its brigades in garrisons, forts its cities, fills
// and forms its corps and gathers them into armies.
#include <gtest/gtest.h>

#include <utility>

#include "opponent/army_forming.h"
#include "opponent/computer_corps_forming.h"
#include "opponent/computer_garrisons.h"
#include "support/window_fixture.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/force_builders.h"
#include "world/vardecl.h"

namespace {

constexpr int kWestState = 6;
constexpr int kSeaboardState = 7;

class ComputerFormationsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.States[kWestState].Theatre = TTheatre::West;
    GameState.States[kSeaboardState].Theatre = TTheatre::Seaboard;
  }
  // A brigade of 40 in slot b.
  static int SetBrigade(int b, int arm, int status, int location, int home) {
    const int added = AddBrigade(
        {.arm = arm, .strength = 40, .status = status, .location = location, .homeState = home});
    std::swap(GameState.Brigades[added], GameState.Brigades[b]);
    return b;
  }
  static void ClearBrigades() {
    for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b] = TBrigade{};
  }
  static int AddUnionCity(int x, int theatre) {
    const int c = AddCity(x, 10, TSide::Union);
    GameState.Cities[c].Theatre = static_cast<std::uint8_t>(theatre);
    GameState.Cities[c].SupplyLevel = 2;
    return c;
  }
};

// A city asking for a garrison takes the first free foot or horse brigade
// raised in its theatre, never from the last slot, and arms it if need be.
TEST_F(ComputerFormationsTest, CitiesTakeOneFittingBrigadeAndTheCapitalOnlySeaboardInfantry) {
  struct Row {
    bool capital;
    int slot, arm, status, home, weapon, cityNation;
    bool placed;
    int weaponAfter;
  };
  const int W = kWestState, S = kSeaboardState, U = TNation::Union, C = TNation::Confederacy;
  const Row rows[] = {
      {false, 1, TArm::Infantry, TBrigadeStatus::RaisedUnarmed, W, 0, U, true, TWeapon::Muskets},
      {false, 1, TArm::Cavalry, TBrigadeStatus::ArmedAndWaiting, W, 0, U, true, TWeapon::Spencers},
      {false, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, W, TWeapon::Sharps, U, true,
       TWeapon::Sharps},
      {false, 1, TArm::Artillery, TBrigadeStatus::ArmedAndWaiting, W, 0, U, false, 0},
      {false, 1, TArm::Infantry, TBrigadeStatus::InCorps, W, 0, U, false, 0},
      {false, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, S, 0, U, false, 0},
      {false, 500, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, W, 0, U, false, 0},
      // The capital, in the West: Seaboard infantry only, slot 500 included.
      {true, 500, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, S, 0, U, true, TWeapon::Muskets},
      {true, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, W, 0, U, false, 0},
      {true, 1, TArm::Cavalry, TBrigadeStatus::ArmedAndWaiting, S, 0, U, false, 0},
      {true, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, S, 0, C, false, 0},  // taken
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "slot " << row.slot << ", arm " << row.arm);
    const int city = AddUnionCity(10, TTheatre::West);
    GameState.Cities[city].Nation = static_cast<std::uint8_t>(row.cityNation);
    const int b = SetBrigade(row.slot, row.arm, row.status, 0, row.home);
    GameState.Brigades[b].Weapon = static_cast<std::uint8_t>(row.weapon);
    if (row.capital) {
      GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(city);
      GarrisonCapital(TNation::Union);
    } else {
      GameState.Cities[city].GarrisonNeed = 1;
      ServeGarrisonNeeds(TNation::Union);
    }
    const TBrigade& brigade = GameState.Brigades[b];
    EXPECT_EQ(brigade.Status == TBrigadeStatus::InGarrison && brigade.Location == city, row.placed);
    EXPECT_EQ(GameState.Cities[city].GarrisonCount, row.placed ? 1 : 0);
    if (row.placed) {
      EXPECT_EQ(brigade.Weapon, row.weaponAfter);
      EXPECT_EQ(GameState.Cities[city].GarrisonNeed, 0);
    }
    ClearBrigades();
    GameState.Cities[city] = TCity{};
    GameState.Nations[TNation::Union].Capital = 0;
  }
}

TEST_F(ComputerFormationsTest, FortsRiseOneLevelPerTurnAboveTheReserveUpToTheYearsLimit) {
  struct Row {
    int year, forts, guns, garrison, seaPort, supplies, view;
    int fortsAfter, gunsAfter, suppliesAfter, notices;
  };
  const Row rows[] = {
      {1863, 0, 0, 1, 0, 2001, 1, 1, 0, 1801, 1},  // garrison above the forts: 200 in 1863
      {1863, 1, 0, 1, 0, 2001, 1, 1, 0, 2001, 0},  // not above
      {1863, 1, 0, 0, 1, 2001, 2, 2, 0, 1801, 0},  // a port below 2; notice not ours to see
      {1863, 1, 0, 0, 1, 2000, 1, 1, 0, 2000, 0},  // not above the reserve + 2000
      {1863, 5, 2, 9, 1, 5000, 3, 6, 3, 4800, 1},  // guns come free above 2000
      {1863, 5, 3, 9, 1, 5000, 0, 6, 3, 4800, 0},  // guns at the year's limit
      {1863, 6, 2, 9, 1, 5000, 1, 6, 2, 5000, 0},  // forts at the limit: passed over
      {1861, 1, 0, 9, 0, 5000, 1, 2, 0, 4650, 1},  // 350 in 1861
      {1866, 0, 0, 1, 0, 2001, 1, 1, 0, 1951, 1},  // never cheaper than 50
  };
  GameState.Day = 21;  // a reserve of the demand, 0 here
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.year << ", forts " << row.forts);
    GameState.Year = static_cast<std::uint16_t>(row.year);
    GameState.MessageView = static_cast<std::uint16_t>(row.view);
    const int c = AddUnionCity(10, TTheatre::West);
    TCity& city = GameState.Cities[c];
    city.Fortifications = static_cast<std::uint8_t>(row.forts);
    city.CoastalGuns = static_cast<std::uint8_t>(row.guns);
    city.GarrisonCount = static_cast<std::uint16_t>(row.garrison);
    city.SeaPort = static_cast<std::uint8_t>(row.seaPort);
    GameState.Nations[TNation::Union].Supplies[TTheatre::West] =
        static_cast<std::uint16_t>(row.supplies);
    const std::size_t before = window.Notices().size();
    BuildFortifications(TNation::Union);
    EXPECT_EQ(city.Fortifications, row.fortsAfter);
    EXPECT_EQ(city.CoastalGuns, row.gunsAfter);
    EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[TTheatre::West], row.suppliesAfter);
    EXPECT_EQ(window.Notices().size(), before + row.notices);
    city = TCity{};
  }
}

// A corps below its capacity takes one brigade a turn: waiting ones first,
// then its city's garrison unless the city asks to keep it.
TEST_F(ComputerFormationsTest, CorpsTakeOneFittingBrigadeAndReleaseEveryGarrisonBattery) {
  struct Row {
    int capacity, kind, slot, arm, status, cityNeed;
    bool attached;
    int brigades = 8;
  };
  const Row rows[] = {
      // Cut to 9, a corps of 9 brigades is full.
      {10, TCorpsKind::Corps, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, 0, false, 9},
      {9, TCorpsKind::Corps, 1, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, 0, true},
      {9, TCorpsKind::Corps, 500, TArm::Infantry, TBrigadeStatus::ArmedAndWaiting, 0, false},
      {9, TCorpsKind::Corps, 1, TArm::Cavalry, TBrigadeStatus::ArmedAndWaiting, 0, false},
      {9, TCorpsKind::CavalryDivision, 1, TArm::Cavalry, TBrigadeStatus::ArmedAndWaiting, 0, true},
      {9, TCorpsKind::Corps, 1, TArm::Infantry, TBrigadeStatus::InGarrison, 0, true},
      {9, TCorpsKind::Corps, 1, TArm::Infantry, TBrigadeStatus::InGarrison, 1, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "capacity " << row.capacity << ", slot " << row.slot);
    const int city = AddUnionCity(10, TTheatre::West);
    const int other = AddUnionCity(20, TTheatre::West);
    GameState.Cities[city].GarrisonNeed = static_cast<std::uint8_t>(row.cityNeed);
    const int k = AddCorps(10, 10, TSide::Union, TNation::Union);
    TCorps& corps = GameState.Corps[k];
    corps.Theatre = TTheatre::West;
    corps.City = static_cast<std::uint8_t>(city);
    corps.Capacity = static_cast<std::uint8_t>(row.capacity);
    corps.Kind = static_cast<std::uint8_t>(row.kind);
    corps.OtherBrigades = static_cast<std::uint8_t>(row.brigades);
    corps.ArtilleryBrigades = 1;
    const int b = SetBrigade(row.slot, row.arm, row.status, row.status == 2 ? city : 0, kWestState);
    const int battery =
        SetBrigade(499, TArm::Artillery, TBrigadeStatus::InGarrison, other, kWestState);
    RecountGarrisons();
    BalanceCorpsBrigades(TNation::Union);
    EXPECT_EQ(corps.Capacity, 9);
    EXPECT_EQ(GameState.Brigades[b].Status == TBrigadeStatus::InCorps, row.attached);
    EXPECT_EQ(corps.OtherBrigades, row.brigades + row.attached);
    EXPECT_EQ(GameState.Brigades[battery].Status, TBrigadeStatus::ArmedAndWaiting);
    EXPECT_EQ(GameState.Brigades[battery].Location, 0);
    EXPECT_EQ(GameState.Cities[other].GarrisonCount, 0);
    EXPECT_EQ(GameState.Cities[city].GarrisonCount, row.status == 2 && !row.attached ? 1 : 0);
    ClearBrigades();
    corps.Inactive = 1;
    GameState.Cities[city] = GameState.Cities[other] = TCity{};
  }
}

// Armies gather two to six corps; a group that fails keeps its corps out of
// the next army rather than handing them to it.
TEST_F(ComputerFormationsTest, ArmiesGatherTwoToSixCorpsOnlyOfTheirOwnGroup) {
  struct Row {
    int corps, brigades, armyCount, weight, strays, armyCorps;
  };
  const Row rows[] = {
      {1, 3, 0, 2, 0, 0},  // a seed alone
      {2, 1, 0, 2, 0, 0},  // two brigades from the state
      {2, 2, 0, 2, 0, 2},  // four
      {8, 1, 0, 2, 0, 6},  // six at most; the rest stand too near its headquarters
      {2, 2, 9, 2, 0, 2}, {2, 2, 10, 2, 0, 0},  // the nation has its fill of armies
      {2, 2, 0, 1, 0, 0},                       // no wish for an army here
      {2, 2, 0, 2, 2, 2},                       // a failed group elsewhere stays out of the army
  };
  GameState.States[kSeaboardState].CapitalCity = 1;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.corps << " corps of " << row.brigades);
    const int city = AddUnionCity(10, TTheatre::Seaboard);
    GameState.Cities[city].State = kSeaboardState;
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.ArmyCount = static_cast<std::uint8_t>(row.armyCount);
    nation.AiWeight[TTheatre::Seaboard] = static_cast<std::uint8_t>(row.weight);
    nation.TheatreFlag[TTheatre::Seaboard] = 1;
    TLeader& general = GameState.Leaders[1];
    general = TLeader{};
    general.Side = TSide::Union;
    general.Status = 100;
    general.Rank = 5;
    const auto addCorps = [&](int x, int state, int brigades) {
      const int k = AddCorps(x, 10, TSide::Union, TNation::Union);
      TCorps& corps = GameState.Corps[k];
      corps.Theatre = TTheatre::Seaboard;
      corps.City = static_cast<std::uint8_t>(city);
      corps.State = static_cast<std::uint8_t>(state);
      corps.OtherBrigades = static_cast<std::uint8_t>(brigades);
      return k;
    };
    for (int k = 0; k < row.strays; ++k) addCorps(40, kWestState, 1);
    for (int k = 0; k < row.corps; ++k) addCorps(10, kSeaboardState, row.brigades);
    FormComputerArmies(TNation::Union);
    int inArmy = 0, marked = 0;
    for (int k = 1; k <= GameState.Corps.Count; ++k) {
      if (GameState.Corps[k].IsFree()) continue;
      inArmy += GameState.Corps[k].Army == 1;
      marked += GameState.Corps[k].Army == 100;
      EXPECT_TRUE(k > row.strays || GameState.Corps[k].Army == 0) << "stray corps " << k;
      GameState.Corps[k].Inactive = 1;
    }
    EXPECT_EQ(inArmy, row.armyCorps);
    EXPECT_EQ(marked, 0);
    EXPECT_EQ(GameState.Armies[1].Nation, row.armyCorps != 0 ? TNation::Union : 0);
    EXPECT_EQ(nation.ArmyCount, row.armyCount + (row.armyCorps != 0));
    GameState.Armies[1] = TArmy{};
    GameState.Cities[city] = TCity{};
  }
}

}  // namespace
