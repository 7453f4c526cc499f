#pragma once
// Nations, states, cities, fleets and the small fixed tables, as saved.
// Every offset is part of the saved-game format; bytes named ReservedN (N their
// offset) have no rule of their own and are kept as loaded.
#include <cstddef>
#include <cstdint>

#include "world/fixed_string.h"
#include "world/le_int.h"
#include "world/table.h"

// Per-theatre arrays are indexed by TTheatre, per-weapon ones by TWeapon.
struct TNationRec {
  Str<9> Name;
  std::uint8_t Human;
  std::uint8_t Side;
  std::uint8_t LeadershipAdvantage;
  std::uint8_t Reserved13;
  std::uint8_t CorpsCount;
  std::uint8_t ArmyCount;
  std::uint8_t Capital;
  std::uint8_t CapitalThreat;
  std::uint8_t PolicyStatus;
  std::uint8_t RailCapacity;
  std::uint8_t RailUsed;
  std::uint8_t OrdersDone;
  std::uint8_t NavalBalance;
  U16 BuildPoints;
  std::uint8_t Reserved25[2];
  I16 WarScore;
  Table<U16, 6> ShipTally;
  Table<std::uint8_t, 4> ProductionShare;
  Table<std::uint8_t, 3> AiAggression;
  Table<std::uint8_t, 3> AiObjective;
  Table<std::uint8_t, 3> AiWeight;
  Table<std::uint8_t, 3> TheatreFlag;
  Table<std::uint8_t, 3> AiTheatrePosture;
  Table<I16, 3> AiAggressionLevel;
  Table<U16, 3> AiTheatreScore;
  Table<U16, 3> CitySizeStart;
  Table<U16, 3> CitySizeSum;
  Table<U16, 3> LandStrength;
  Table<I16, 3> StrengthBalance;
  Table<I16, 3> TheatreCapacity;
  Table<U16, 3> Supplies;
  Table<U16, 3> Cotton;
  Table<U16, 3> SupplyDemand;
  I16 Attitude;
  std::int8_t DraftMonths;
  U16 MonthRecruits;
  U16 Bounty;
  Table<U16, 8> WeaponStock;
};

struct TStateRec {
  Str<15> Name;
  Str<4> ShortName;
  std::uint8_t Side;
  std::uint8_t Weight;
  std::uint8_t CapitalCity;
  std::uint8_t Loyalty;
  std::uint8_t Reserved25;
  std::uint8_t ControlSide;
  std::uint8_t Reserved27;
  std::uint8_t ForeignCities;
  std::uint8_t Theatre;
  std::uint8_t Nation;
  U16 Losses;
  U16 ControlStrength;
  U16 IntruderStrength;
  U16 Enlisted;
  U16 Industry;
  U16 CottonOutput;
  U16 Income;
  U16 BaseIndustry;  // the set-up gives a state without a capital city this industry
  U16 Population;
  U16 Slaves;
  U16 AiTargetValue;
  U16 ComplaintDelay;
  std::uint8_t Reserved55[2];
  U16 InfantryPoints;
  U16 CavalryPoints;
  U16 ArtilleryPoints;
  U16 Manpower;
  Table<U16, 8> WeaponOutput;
};

// The 86 cities are a fixed set: no slot is ever free.
struct TCity {
  Str<16> Name;
  std::uint8_t X;
  std::uint8_t Y;
  std::uint8_t Side;
  std::uint8_t OriginalSide;
  std::uint8_t GarrisonNeed;
  std::uint8_t AiOperation;
  std::uint8_t Value;
  std::uint8_t State;
  std::uint8_t Theatre;
  std::uint8_t Fortifications;
  std::uint8_t CoastalGuns;
  std::uint8_t FortifiedThisTurn;
  std::uint8_t RailStation;
  std::uint8_t SeaPort;
  std::uint8_t RiverPort;
  std::uint8_t ShipyardA;
  std::uint8_t ShipyardB;
  std::uint8_t Nation;
  std::uint8_t SupplyLevel;
  Table<U16, 8> WeaponOutput;
  U16 Population;
  U16 Slaves;
  U16 GarrisonCount;
  I16 AiValue;
  U16 AiEnemyStrength;
  U16 Occupation;
};

struct TFleet {
  // A freed slot is written 255; any status from 26 up counts as free, so a
  // damaged file cannot leave a slot that is neither a fleet nor free.
  static constexpr std::uint8_t FreedStatus = 255;
  static constexpr std::uint8_t FirstFreeStatus = 26;

  std::uint8_t X;
  std::uint8_t Y;
  std::uint8_t Number;
  std::uint8_t Side;
  std::uint8_t Status;
  std::uint8_t Mission;
  std::uint8_t HomePort;
  std::uint8_t Objective;
  std::uint8_t Corps;
  std::uint8_t Kind;
  Table<std::uint8_t, 3> Ships;         // by ship type: ironclads, warships, transports
  Table<std::uint8_t, 3> DamagedShips;  // the same order
  std::uint8_t DestX;
  std::uint8_t DestY;
  std::uint8_t Spotted;
  std::uint8_t Nation;
  std::uint8_t MoveAllowance;
  std::uint8_t PathStep;
  std::uint8_t Engaged;
  Table<std::uint8_t, 20> Path;
  Table<std::uint8_t, 20> StepDone;
  U16 TransportTask;
  U16 Supplies;
  U16 Cotton;
  U16 StartX;
  U16 StartY;

  // A freed slot keeps its number, path and step record.
  bool IsFree() const { return Status >= FirstFreeStatus; }
};

struct TWeaponType {
  std::uint8_t Reserved0[12];
  std::uint8_t FireA;
  std::uint8_t FireB;
  Table<std::uint8_t, 4> Cost;  // per nation
};

// The state of one scripted computer operation.
struct TAiPlan {
  U16 Limit;
  U16 Counter;
  std::uint8_t Phase;
  std::uint8_t Reserved5[5];
};

struct TArmyName {
  Str<18> Name;
  std::uint8_t Owner;
  std::uint8_t Theatre;
  std::uint8_t State;
  std::uint8_t Used;
  std::uint8_t Score;
};

static_assert(sizeof(TNationRec) == 143);
static_assert(offsetof(TNationRec, Human) == 10 && offsetof(TNationRec, Side) == 11);
static_assert(offsetof(TNationRec, LeadershipAdvantage) == 12);
static_assert(offsetof(TNationRec, Reserved13) == 13 && offsetof(TNationRec, CorpsCount) == 14);
static_assert(offsetof(TNationRec, ArmyCount) == 15 && offsetof(TNationRec, Capital) == 16);
static_assert(offsetof(TNationRec, CapitalThreat) == 17);
static_assert(offsetof(TNationRec, PolicyStatus) == 18);
static_assert(offsetof(TNationRec, RailCapacity) == 19 && offsetof(TNationRec, RailUsed) == 20);
static_assert(offsetof(TNationRec, OrdersDone) == 21);
static_assert(offsetof(TNationRec, NavalBalance) == 22);
static_assert(offsetof(TNationRec, BuildPoints) == 23 && offsetof(TNationRec, Reserved25) == 25);
static_assert(offsetof(TNationRec, WarScore) == 27 && offsetof(TNationRec, ShipTally) == 29);
static_assert(offsetof(TNationRec, ProductionShare) == 41);
static_assert(offsetof(TNationRec, AiAggression) == 45);
static_assert(offsetof(TNationRec, AiObjective) == 48 && offsetof(TNationRec, AiWeight) == 51);
static_assert(offsetof(TNationRec, TheatreFlag) == 54);
static_assert(offsetof(TNationRec, AiTheatrePosture) == 57);
static_assert(offsetof(TNationRec, AiAggressionLevel) == 60);
static_assert(offsetof(TNationRec, AiTheatreScore) == 66);
static_assert(offsetof(TNationRec, CitySizeStart) == 72);
static_assert(offsetof(TNationRec, CitySizeSum) == 78);
static_assert(offsetof(TNationRec, LandStrength) == 84);
static_assert(offsetof(TNationRec, StrengthBalance) == 90);
static_assert(offsetof(TNationRec, TheatreCapacity) == 96);
static_assert(offsetof(TNationRec, Supplies) == 102 && offsetof(TNationRec, Cotton) == 108);
static_assert(offsetof(TNationRec, SupplyDemand) == 114);
static_assert(offsetof(TNationRec, Attitude) == 120);
static_assert(offsetof(TNationRec, DraftMonths) == 122);
static_assert(offsetof(TNationRec, MonthRecruits) == 123 && offsetof(TNationRec, Bounty) == 125);
static_assert(offsetof(TNationRec, WeaponStock) == 127);

static_assert(sizeof(TStateRec) == 81);
static_assert(offsetof(TStateRec, ShortName) == 16 && offsetof(TStateRec, Side) == 21);
static_assert(offsetof(TStateRec, Weight) == 22 && offsetof(TStateRec, CapitalCity) == 23);
static_assert(offsetof(TStateRec, Loyalty) == 24 && offsetof(TStateRec, Reserved25) == 25);
static_assert(offsetof(TStateRec, ControlSide) == 26 && offsetof(TStateRec, Reserved27) == 27);
static_assert(offsetof(TStateRec, ForeignCities) == 28 && offsetof(TStateRec, Theatre) == 29);
static_assert(offsetof(TStateRec, Nation) == 30 && offsetof(TStateRec, Losses) == 31);
static_assert(offsetof(TStateRec, ControlStrength) == 33);
static_assert(offsetof(TStateRec, IntruderStrength) == 35);
static_assert(offsetof(TStateRec, Enlisted) == 37 && offsetof(TStateRec, Industry) == 39);
static_assert(offsetof(TStateRec, CottonOutput) == 41 && offsetof(TStateRec, Income) == 43);
static_assert(offsetof(TStateRec, BaseIndustry) == 45 && offsetof(TStateRec, Population) == 47);
static_assert(offsetof(TStateRec, Slaves) == 49 && offsetof(TStateRec, AiTargetValue) == 51);
static_assert(offsetof(TStateRec, ComplaintDelay) == 53);
static_assert(offsetof(TStateRec, Reserved55) == 55);
static_assert(offsetof(TStateRec, InfantryPoints) == 57);
static_assert(offsetof(TStateRec, CavalryPoints) == 59);
static_assert(offsetof(TStateRec, ArtilleryPoints) == 61 && offsetof(TStateRec, Manpower) == 63);
static_assert(offsetof(TStateRec, WeaponOutput) == 65);

static_assert(sizeof(TCity) == 64);
static_assert(offsetof(TCity, X) == 17 && offsetof(TCity, Y) == 18);
static_assert(offsetof(TCity, Side) == 19 && offsetof(TCity, OriginalSide) == 20);
static_assert(offsetof(TCity, GarrisonNeed) == 21 && offsetof(TCity, AiOperation) == 22);
static_assert(offsetof(TCity, Value) == 23 && offsetof(TCity, State) == 24);
static_assert(offsetof(TCity, Theatre) == 25 && offsetof(TCity, Fortifications) == 26);
static_assert(offsetof(TCity, CoastalGuns) == 27 && offsetof(TCity, FortifiedThisTurn) == 28);
static_assert(offsetof(TCity, RailStation) == 29 && offsetof(TCity, SeaPort) == 30);
static_assert(offsetof(TCity, RiverPort) == 31 && offsetof(TCity, ShipyardA) == 32);
static_assert(offsetof(TCity, ShipyardB) == 33 && offsetof(TCity, Nation) == 34);
static_assert(offsetof(TCity, SupplyLevel) == 35 && offsetof(TCity, WeaponOutput) == 36);
static_assert(offsetof(TCity, Population) == 52 && offsetof(TCity, Slaves) == 54);
static_assert(offsetof(TCity, GarrisonCount) == 56 && offsetof(TCity, AiValue) == 58);
static_assert(offsetof(TCity, AiEnemyStrength) == 60 && offsetof(TCity, Occupation) == 62);

static_assert(sizeof(TFleet) == 73);
static_assert(offsetof(TFleet, Number) == 2 && offsetof(TFleet, Side) == 3);
static_assert(offsetof(TFleet, Status) == 4 && offsetof(TFleet, Mission) == 5);
static_assert(offsetof(TFleet, HomePort) == 6 && offsetof(TFleet, Objective) == 7);
static_assert(offsetof(TFleet, Corps) == 8 && offsetof(TFleet, Kind) == 9);
static_assert(offsetof(TFleet, Ships) == 10 && offsetof(TFleet, DamagedShips) == 13);
static_assert(offsetof(TFleet, DestX) == 16 && offsetof(TFleet, DestY) == 17);
static_assert(offsetof(TFleet, Spotted) == 18 && offsetof(TFleet, Nation) == 19);
static_assert(offsetof(TFleet, MoveAllowance) == 20 && offsetof(TFleet, PathStep) == 21);
static_assert(offsetof(TFleet, Engaged) == 22 && offsetof(TFleet, Path) == 23);
static_assert(offsetof(TFleet, StepDone) == 43 && offsetof(TFleet, TransportTask) == 63);
static_assert(offsetof(TFleet, Supplies) == 65 && offsetof(TFleet, Cotton) == 67);
static_assert(offsetof(TFleet, StartX) == 69 && offsetof(TFleet, StartY) == 71);

static_assert(sizeof(TWeaponType) == 18);
static_assert(offsetof(TWeaponType, FireA) == 12 && offsetof(TWeaponType, FireB) == 13);
static_assert(offsetof(TWeaponType, Cost) == 14);

static_assert(sizeof(TAiPlan) == 10);
static_assert(offsetof(TAiPlan, Counter) == 2 && offsetof(TAiPlan, Phase) == 4);
static_assert(offsetof(TAiPlan, Reserved5) == 5);

static_assert(sizeof(TArmyName) == 24);
static_assert(offsetof(TArmyName, Owner) == 19 && offsetof(TArmyName, Theatre) == 20);
static_assert(offsetof(TArmyName, State) == 21 && offsetof(TArmyName, Used) == 22);
static_assert(offsetof(TArmyName, Score) == 23);
