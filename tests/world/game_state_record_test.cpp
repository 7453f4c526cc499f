#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "world/vardecl.h"

namespace {

const std::uint8_t* GameBytes() {
  return reinterpret_cast<const std::uint8_t*>(&GameState);
}

long OffsetInGame(const void* field) {
  return static_cast<const std::uint8_t*>(field) - GameBytes();
}

template <typename Record>
long OffsetInRecord(const Record& record, const void* field) {
  return static_cast<const std::uint8_t*>(field) - reinterpret_cast<const std::uint8_t*>(&record);
}

// Element i of a table with first element at `first` and stride `stride`
// begins at first + stride * (i - 1); checked for the first, second and last.
// Returns the offset just past the table.
template <typename T, int N>
long ExpectTableAt(const Table<T, N>& table, long first, long stride) {
  EXPECT_EQ(OffsetInGame(&table[1]), first);
  EXPECT_EQ(OffsetInGame(&table[2]), first + stride);
  EXPECT_EQ(OffsetInGame(&table[N]), first + stride * (N - 1));
  return first + stride * N;
}

// Element i of a small array inside a record begins at base + step * i.
template <typename Record, typename T, int N>
void ExpectArrayFormula(const Record& record, const Table<T, N>& array, long base, long step) {
  for (int i = 1; i <= N; ++i) EXPECT_EQ(OffsetInRecord(record, &array[i]), base + step * i) << i;
}

TEST(GameStateRecord, HasTheSavedSizesOfGameAndMap) {
  EXPECT_EQ(sizeof(TGameState), 41356u);
  EXPECT_EQ(sizeof(TMapRecord), 12312u);
}

TEST(GameStateRecord, TablesAbutFromTheHeaderToByte38024) {
  long next = 266;
  next = ExpectTableAt(GameState.Armies, next, 44);
  next = ExpectTableAt(GameState.Cities, next, 64);
  next = ExpectTableAt(GameState.Corps, next, 70);
  next = ExpectTableAt(GameState.Leaders, next, 31);
  next = ExpectTableAt(GameState.Nations, next, 143);
  next = ExpectTableAt(GameState.States, next, 81);
  next = ExpectTableAt(GameState.Fleets, next, 73);
  EXPECT_EQ(next, 32209);
  next = ExpectTableAt(GameState.ArmyNames, next, 216);
  next = ExpectTableAt(GameState.WeaponTypes, next, 18);
  next = ExpectTableAt(GameState.AiPlans, next, 10);
  next = ExpectTableAt(GameState.Brigades, next, 10);
  EXPECT_EQ(next - 1, 38024);
}

TEST(GameStateRecord, ArmyNameEntriesLieBySideThenNumber) {
  for (int n = 1; n <= 2; ++n) {
    for (int k = 1; k <= 9; ++k) {
      EXPECT_EQ(OffsetInGame(&GameState.ArmyNames[n][k]), 32209 + 216 * (n - 1) + 24 * (k - 1));
    }
  }
}

TEST(GameStateRecord, HeaderArraysArePerNationAndPerTheatre) {
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(OffsetInGame(&GameState.OceanShipsSunk[n]), 6 + 2 * (n - 1));
    EXPECT_EQ(OffsetInGame(&GameState.Casualties[n]), 38 + 4 * (n - 1));
    EXPECT_EQ(OffsetInGame(&GameState.MilitaryPoints[n]), 90 + 2 * (n - 1));
  }
  EXPECT_EQ(OffsetInGame(&GameState.Weather[3]), 146);
  EXPECT_EQ(OffsetInGame(&GameState.AiTheatreActive[3]), 154);
  EXPECT_EQ(OffsetInGame(&GameState.WeatherTable[8][11]), 157 + 12 * 8 + 11);
}

TEST(GameStateRecord, PathsStartRightAfterTheirStepCounters) {
  const TCorps& corps = GameState.Corps[1];
  ExpectArrayFormula(corps, corps.Path, 46, 1);
  ExpectArrayFormula(corps, corps.StepDone, 60, 1);
  const TFleet& fleet = GameState.Fleets[1];
  ExpectArrayFormula(fleet, fleet.Path, 22, 1);
  ExpectArrayFormula(fleet, fleet.StepDone, 42, 1);
}

TEST(GameStateRecord, NationArraysFollowTheirIndexFormulas) {
  const TNationRec& nation = GameState.Nations[1];
  ExpectArrayFormula(nation, nation.ProductionShare, 40, 1);
  ExpectArrayFormula(nation, nation.AiAggression, 44, 1);
  ExpectArrayFormula(nation, nation.AiTheatrePosture, 56, 1);
  ExpectArrayFormula(nation, nation.AiAggressionLevel, 58, 2);
  ExpectArrayFormula(nation, nation.SupplyDemand, 112, 2);
  ExpectArrayFormula(nation, nation.WeaponStock, 125, 2);
}

TEST(GameStateRecord, CityStateAndWeaponArraysFollowTheirIndexFormulas) {
  const TCity& city = GameState.Cities[1];
  ExpectArrayFormula(city, city.WeaponOutput, 34, 2);
  const TStateRec& state = GameState.States[1];
  ExpectArrayFormula(state, state.WeaponOutput, 63, 2);
  const TWeaponType& weapon = GameState.WeaponTypes[1];
  ExpectArrayFormula(weapon, weapon.Cost, 13, 1);
}

TEST(GameStateRecord, NavalShareAndFirstTheatreAggressionAreSeparateBytes) {
  ResetGameWideVariables();
  TNationRec& nation = GameState.Nations[2];
  nation.ProductionShare[4] = 30;
  nation.AiAggression[1] = 7;
  const long naval = OffsetInGame(&nation) + 44;
  EXPECT_EQ(GameBytes()[naval], 30);
  EXPECT_EQ(GameBytes()[naval + 1], 7);
}

TEST(GameStateRecord, FieldsAreStoredLittleEndianAtTheirOffsets) {
  ResetGameWideVariables();
  GameState.Casualties[1] = -5;
  GameState.Leaders[210].Modifier = -3;
  GameState.Fleets[100].StartY = 0x0102;
  const std::uint8_t casualties[4] = {0xFB, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::memcmp(GameBytes() + 38, casualties, 4), 0);
  EXPECT_EQ(GameBytes()[21339], 0xFD);
  EXPECT_EQ(GameBytes()[32207], 0x02);
  EXPECT_EQ(GameBytes()[32208], 0x01);
}

TEST(GameStateRecord, FreeSlotTestsReadOnlyTheirOwnFields) {
  TCorps corps{};
  corps.Inactive = 3;
  corps.Nation = 1;
  EXPECT_TRUE(corps.IsFree());

  TArmy army{};
  army.HqCity = 5;
  EXPECT_FALSE(army.IsFree()) << "a city without a nation is not a free slot";
  army.HqCity = 0;
  army.Leader = 12;
  EXPECT_TRUE(army.IsFree()) << "a lost army keeps its leader but frees its slot";

  TFleet fleet{};
  fleet.Status = 25;
  EXPECT_FALSE(fleet.IsFree()) << "a fleet still being built is not free";
  fleet.Status = 26;
  EXPECT_TRUE(fleet.IsFree());

  TBrigade brigade{};
  EXPECT_TRUE(brigade.IsFree());
  brigade.Status = 5;
  EXPECT_FALSE(brigade.IsFree());
}

}  // namespace
