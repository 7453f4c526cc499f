// How the computer places its brigades in garrisons, forts its cities, fills
// and forms its corps and gathers them into armies.
#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <utility>

#include "opponent/army_forming.h"
#include "opponent/computer_corps_forming.h"
#include "opponent/computer_garrisons.h"
#include "support/window_fixture.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/force_builders.h"
#include "world/random.h"
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

// The capital asks for one brigade a turn while it holds fewer than 8, and
// forgets what it asked for once it holds more.
TEST_F(ComputerFormationsTest, TheCapitalAsksForBrigadesBelowEightAndForgetsAboveIt) {
  const struct {
    int garrison, need, needAfter;
  } rows[] = {{7, 0, 1}, {8, 0, 0}, {8, 2, 2}, {9, 2, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "garrison " << row.garrison << ", need " << row.need);
    const int c = AddUnionCity(10, TTheatre::Seaboard);
    GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(c);
    GameState.Cities[c].GarrisonCount = static_cast<std::uint16_t>(row.garrison);
    GameState.Cities[c].GarrisonNeed = static_cast<std::uint16_t>(row.need);
    GarrisonCapital(TNation::Union);
    EXPECT_EQ(GameState.Cities[c].GarrisonNeed, row.needAfter);
    GameState.Cities[c] = TCity{};
  }
}

// An unguarded city counts the enemy corps nearer than 10 hexes.
TEST_F(ComputerFormationsTest, AnUnguardedCityCountsEnemiesNearerThanTenHexes) {
  for (const auto& [enemyX, count] : {std::pair{19, 1}, std::pair{20, 0}}) {
    SCOPED_TRACE(enemyX);
    const int c = AddUnionCity(10, TTheatre::West);
    const int e = AddCorps(enemyX, 10, TSide::Confederate, TNation::Confederacy);
    GuardThreatenedCities(TNation::Union);
    EXPECT_EQ(GameState.Cities[c].AiEnemyStrength, count);
    GameState.Cities[c] = TCity{};
    GameState.Corps[e].Inactive = 1;
  }
}

// A port wants forts up to 2 and guns up to the years of war, at most 9.
TEST_F(ComputerFormationsTest, PortsWantTwoFortsAndNineGunsAtMost) {
  const struct {
    int year, forts, guns, fortsAfter, gunsAfter;
  } rows[] = {
      {1863, 1, 0, 2, 1},
      {1863, 2, 0, 2, 1},  // two forts are enough for a bare port
      {1870, 9, 8, 9, 9},
      {1870, 9, 9, 9, 9},  // a ninth gun, never a tenth
  };
  GameState.Day = 21;
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.year << ", forts " << row.forts << ", guns " << row.guns);
    GameState.Year = static_cast<std::uint16_t>(row.year);
    const int c = AddUnionCity(10, TTheatre::West);
    TCity& city = GameState.Cities[c];
    city.SeaPort = 1;
    city.Fortifications = static_cast<std::uint8_t>(row.forts);
    city.CoastalGuns = static_cast<std::uint8_t>(row.guns);
    GameState.Nations[TNation::Union].Supplies[TTheatre::West] = 5000;
    BuildFortifications(TNation::Union);
    EXPECT_EQ(city.Fortifications, row.fortsAfter);
    EXPECT_EQ(city.CoastalGuns, row.gunsAfter);
    city = TCity{};
  }
}

// A garrison gives up brigades above what its city keeps: the capital its
// asked-for garrison and 10 more (8 with an enemy within 3 hexes), halved for
// every nation but the Union, and only as a whole corps of three or more foot.
TEST_F(ComputerFormationsTest, ACapitalKeepsTenBrigadesOrEightUnderThreatHalvedOutsideTheUnion) {
  struct Row {
    int nation;
    bool capital, threatened;
    int need, infantry, kind;  // the kind of the corps formed, -1 for none
  };
  const int U = TNation::Union, C = TNation::Confederacy;
  const int Corps = TCorpsKind::Corps, Division = TCorpsKind::InfantryDivision, None = -1;
  const Row rows[] = {
      {U, true, false, 0, 10, None},  {U, true, false, 0, 11, Corps},
      {U, true, false, 1, 11, None},  {U, true, true, 0, 8, None},
      {U, true, true, 0, 9, Corps},   {C, true, false, 0, 5, None},
      {C, true, false, 0, 6, Corps},  {C, true, true, 0, 4, None},
      {C, true, true, 0, 5, Corps},   {U, false, false, 0, 2, Division},
      {U, false, false, 0, 3, Corps},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "nation " << row.nation << ", " << row.infantry << " foot, need " << row.need);
    const int side = GameState.Nations[row.nation].Side;
    const int home = row.nation == U ? kSeaboardState : kSeaboardState + 1;
    GameState.States[home].Theatre = TTheatre::Seaboard;
    const int c = AddCity(10, 10, side);
    GameState.Cities[c].Theatre = TTheatre::Seaboard;
    GameState.Cities[c].GarrisonNeed = static_cast<std::uint16_t>(row.need);
    if (row.capital) GameState.Nations[row.nation].Capital = static_cast<std::uint8_t>(c);
    SetRandomSeed(2);
    AddCorps(row.threatened ? 12 : 13, 10, 3 - side, 3 - row.nation);
    AddLeader({.side = side, .rank = TLeaderClass::Corps, .combat = 60});
    for (int k = 0; k < row.infantry; ++k) {
      AddBrigade({.nation = row.nation,
                  .arm = TArm::Infantry,
                  .strength = 40,
                  .status = TBrigadeStatus::InGarrison,
                  .location = c,
                  .homeState = home});
    }
    RecountGarrison(c);
    FormCorpsFromSurplusGarrisons(row.nation);
    int formed = None;
    for (int k = 1; k <= GameState.Corps.Count; ++k) {
      const TCorps& corps = GameState.Corps[k];
      if (corps.Inactive == 0 && corps.Nation == row.nation) formed = corps.Kind;
    }
    EXPECT_EQ(formed, row.kind);
    ClearBrigades();
    for (int k = 1; k <= GameState.Corps.Count; ++k) {
      GameState.Corps[k] = TCorps{};
      GameState.Corps[k].Inactive = 1;
    }
    for (int l = 1; l <= GameState.Leaders.Count; ++l) GameState.Leaders[l] = TLeader{};
    GameState.Cities[c] = TCity{};
    GameState.Nations[row.nation].Capital = 0;
  }
}

// Divisions become corps once the nation has more than 25 corps, with room
// for the commander's combat / 12 + 4 brigades.
TEST_F(ComputerFormationsTest, DivisionsArePromotedAboveTwentyFiveCorps) {
  for (const auto& [corpsCount, kind, capacity] :
       {std::tuple{25, TCorpsKind::InfantryDivision, 3}, std::tuple{26, TCorpsKind::Corps, 7}}) {
    SCOPED_TRACE(corpsCount);
    GameState.Nations[TNation::Union].CorpsCount = static_cast<std::uint8_t>(corpsCount);
    const int k = AddCorps(10, 10, TSide::Union, TNation::Union);
    TCorps& corps = GameState.Corps[k];
    corps.Kind = TCorpsKind::InfantryDivision;
    corps.Capacity = 3;
    corps.Leader = static_cast<std::uint8_t>(AddLeader({.rank = 2, .combat = 47}));
    PromoteDivisions(TNation::Union);
    EXPECT_EQ(corps.Kind, kind);
    EXPECT_EQ(corps.Capacity, capacity);
    corps.Inactive = 1;
    GameState.Leaders[corps.Leader] = TLeader{};
  }
}

// A nation with 31 corps raises no more, and draws nothing for them.
TEST_F(ComputerFormationsTest, ANationOfThirtyOneCorpsRaisesNoMore) {
  for (const auto& [corpsCount, draws] : {std::pair{30, true}, std::pair{31, false}}) {
    SCOPED_TRACE(corpsCount);
    SetRandomSeed(5);
    GameState.Nations[TNation::Union].CorpsCount = static_cast<std::uint8_t>(corpsCount);
    ResetRandomDrawCount();
    FormCorpsFromWaitingBrigades(TNation::Union);
    EXPECT_EQ(RandomDrawCount() != 0, draws);
  }
}

// Brigades waiting for a corps form one of four or more foot with a battery,
// a division of three or more foot, and a horse division of two or more.
TEST_F(ComputerFormationsTest, WaitingBrigadesFormCorpsOfFourFootDivisionsOfThreeAndHorseOfTwo) {
  struct Row {
    int infantry, artillery, cavalry, corps, divisions, horse;
  };
  const Row rows[] = {
      {4, 1, 0, 1, 0, 0}, {3, 1, 0, 0, 1, 0}, {2, 1, 0, 0, 0, 0},
      {0, 0, 2, 0, 0, 1}, {0, 0, 1, 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.infantry << " foot, " << row.artillery << " batteries, "
                                    << row.cavalry << " horse");
    SetRandomSeed(11);
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.CorpsCount = 0;
    nation.AiWeight = {};
    nation.AiWeight[TTheatre::West] = 50;  // both well served: the Seaboard raises
    nation.AiWeight[TTheatre::Mississippi] = 30;
    const int c = AddUnionCity(10, TTheatre::Seaboard);
    for (int l = 0; l < 3; ++l) AddLeader({.rank = TLeaderClass::Corps, .combat = 60});
    const auto wait = [](int arm, int count) {
      for (int k = 0; k < count; ++k)
        AddBrigade({.arm = arm,
                    .strength = 40,
                    .status = TBrigadeStatus::ArmedAndWaiting,
                    .homeState = kSeaboardState});
    };
    wait(TArm::Infantry, row.infantry);
    wait(TArm::Artillery, row.artillery);
    wait(TArm::Cavalry, row.cavalry);
    FormCorpsFromWaitingBrigades(TNation::Union);
    int kinds[4] = {};
    for (int k = 1; k <= GameState.Corps.Count; ++k) {
      TCorps& corps = GameState.Corps[k];
      if (corps.Inactive != 0) continue;
      ++kinds[corps.Kind];
      corps.Inactive = 1;
    }
    EXPECT_EQ(kinds[TCorpsKind::Corps], row.corps);
    EXPECT_EQ(kinds[TCorpsKind::InfantryDivision], row.divisions);
    EXPECT_EQ(kinds[TCorpsKind::CavalryDivision], row.horse);
    ClearBrigades();
    for (int l = 1; l <= GameState.Leaders.Count; ++l) GameState.Leaders[l] = TLeader{};
    GameState.Cities[c] = TCity{};
  }
}

// An army is seeded only 4 hexes or more from the nation's other headquarters
// of the theatre, and gathers the free corps fewer than 10 hexes from its seed.
TEST_F(ComputerFormationsTest, ArmiesGatherCorpsWithinTenHexesAndKeepFourFromOtherHeadquarters) {
  struct Row {
    int secondX, otherHqX;  // 0: no other army
    bool formed;
  };
  const Row rows[] = {{19, 0, true}, {20, 0, false}, {10, 14, true}, {10, 13, false}};
  GameState.States[kSeaboardState].CapitalCity = 1;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "second corps at " << row.secondX << ", other army at " << row.otherHqX);
    const int city = AddUnionCity(10, TTheatre::Seaboard);
    GameState.Cities[city].State = kSeaboardState;
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.ArmyCount = 0;
    nation.AiWeight[TTheatre::Seaboard] = 2;
    int other = 0;
    if (row.otherHqX != 0) {
      other = AddArmy(row.otherHqX, 10, TSide::Union, TNation::Union);
      GameState.Armies[other].Theatre = TTheatre::Seaboard;
    }
    TLeader& general = GameState.Leaders[1];
    general = TLeader{};
    general.Side = TSide::Union;
    general.Status = 100;
    general.Rank = 5;
    int corps[2] = {};
    for (int k = 0; k < 2; ++k) {
      corps[k] = AddCorps(k == 0 ? 10 : row.secondX, 10, TSide::Union, TNation::Union);
      TCorps& record = GameState.Corps[corps[k]];
      record.Theatre = TTheatre::Seaboard;
      record.City = static_cast<std::uint8_t>(city);
      record.State = kSeaboardState;
      record.OtherBrigades = 2;
    }
    FormComputerArmies(TNation::Union);
    for (int k : corps) {
      const int army = GameState.Corps[k].Army;
      EXPECT_EQ(army != 0 && army != other, row.formed) << "corps " << k;
      GameState.Corps[k].Inactive = 1;
    }
    for (int a = 1; a <= GameState.Armies.Count; ++a) GameState.Armies[a] = TArmy{};
    for (int c = 1; c <= GameState.Cities.Count; ++c) GameState.Cities[c] = TCity{};
  }
}

// A corps holds at most 9 brigades' room.
TEST_F(ComputerFormationsTest, ACorpsRoomIsCutToNineBrigades) {
  for (const auto& [capacity, kept] : {std::pair{10, 9}, std::pair{9, 9}, std::pair{8, 8}}) {
    const int k = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.Corps[k].Theatre = TTheatre::West;
    GameState.Corps[k].Capacity = static_cast<std::uint8_t>(capacity);
    GameState.Corps[k].OtherBrigades = 9;
    BalanceCorpsBrigades(TNation::Union);
    EXPECT_EQ(GameState.Corps[k].Capacity, kept) << capacity;
    GameState.Corps[k].Inactive = 1;
  }
}

// The Seaboard raises new corps while three times its corps formed, plus a
// draw of 15, stays below 45; each round goes on unless a draw of 100 comes
// out above 90. A garrison need above 200 is a runaway counter and is dropped.
TEST_F(ComputerFormationsTest, ATheatreRaisesBelowFortyFiveAndTheRoundsStopAboveNinety) {
  struct Row {
    int weight;
    std::deque<ScriptedDraw> draws;
  };
  const ScriptedDraw zero{15, 0}, two{15, 2};
  const Row rows[] = {
      {15, {zero, zero, zero}},                                         // 45: not below
      {14, {two, zero, zero, {100, 91}}},                               // 44
      {0, {zero, zero, zero, {100, 90}, zero, zero, zero, {100, 91}}},  // 90 goes on
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "weight " << row.weight << ", " << row.draws.size() << " draws");
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.CorpsCount = 0;
    nation.AiWeight = {};
    nation.AiWeight[TTheatre::Seaboard] = static_cast<std::uint8_t>(row.weight);
    nation.AiWeight[TTheatre::West] = 50;
    nation.AiWeight[TTheatre::Mississippi] = 30;
    const int c = AddUnionCity(10, TTheatre::Seaboard);
    ScriptRandomDraws(row.draws);
    FormCorpsFromWaitingBrigades(TNation::Union);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    StopScriptingRandomDraws();
    GameState.Cities[c] = TCity{};
  }
  for (const auto& [need, left] : {std::pair{201, 0}, std::pair{200, 200}}) {
    const int c = AddUnionCity(10, TTheatre::Seaboard);
    GameState.Cities[c].GarrisonNeed = static_cast<std::uint16_t>(need);
    FormCorpsFromSurplusGarrisons(TNation::Union);
    EXPECT_EQ(GameState.Cities[c].GarrisonNeed, left) << need;
    GameState.Cities[c] = TCity{};
  }
}

// New corps gather at the theatre's city of highest value, counting each
// enemy corps within 5 hexes (10 outside the Seaboard) three times; the last
// of equals.
TEST_F(ComputerFormationsTest, NewCorpsGatherWhereValueAndThreeTimesTheNearEnemiesAreHighest) {
  struct Row {
    int firstValue, enemyDistance, secondValue;
    bool first;
  };
  const Row rows[] = {{3, 4, 5, true}, {3, 5, 5, false}, {5, 0, 5, false}, {6, 0, 5, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "values " << row.firstValue << " and " << row.secondValue
                                    << ", enemy at " << row.enemyDistance);
    SetRandomSeed(13);
    TNationRec& nation = GameState.Nations[TNation::Union];
    nation.CorpsCount = 0;
    nation.AiWeight = {};
    nation.AiWeight[TTheatre::West] = 50;
    nation.AiWeight[TTheatre::Mississippi] = 30;
    const int first = AddUnionCity(10, TTheatre::Seaboard);
    const int second = AddUnionCity(30, TTheatre::Seaboard);
    GameState.Cities[first].Value = static_cast<std::uint8_t>(row.firstValue);
    GameState.Cities[second].Value = static_cast<std::uint8_t>(row.secondValue);
    if (row.enemyDistance != 0)
      AddCorps(10, 10 + row.enemyDistance, TSide::Confederate, TNation::Confederacy);
    AddLeader({.rank = TLeaderClass::Corps, .combat = 60});
    for (int arm :
         {TArm::Infantry, TArm::Infantry, TArm::Infantry, TArm::Infantry, TArm::Artillery})
      AddBrigade({.arm = arm,
                  .strength = 40,
                  .status = TBrigadeStatus::ArmedAndWaiting,
                  .homeState = kSeaboardState});
    FormCorpsFromWaitingBrigades(TNation::Union);
    int formedX = 0;
    for (int k = 1; k <= GameState.Corps.Count; ++k) {
      TCorps& corps = GameState.Corps[k];
      if (corps.Inactive == 0 && corps.Nation == TNation::Union) formedX = corps.X;
      corps = TCorps{};
      corps.Inactive = 1;
    }
    EXPECT_EQ(formedX, row.first ? 10 : 30);
    ClearBrigades();
    for (int l = 1; l <= GameState.Leaders.Count; ++l) GameState.Leaders[l] = TLeader{};
    GameState.Cities[first] = GameState.Cities[second] = TCity{};
  }
}

}  // namespace
