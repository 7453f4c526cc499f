#pragma once
// The one record that holds a whole game. It is saved and loaded as it stands,
// so its layout is the saved-game format and the format of the start files.
// Bytes named ReservedN (N their offset) carry no rule of their own here; the
// words among them belong to the set-up and battle code that writes them, and
// all of them are kept as loaded.
#include <cstddef>
#include <cstdint>

#include "world/force_records.h"
#include "world/le_int.h"
#include "world/realm_records.h"
#include "world/table.h"

struct TGameState {
  std::uint8_t Day;
  std::uint8_t Step;
  U16 Month;
  U16 Year;

  // Tallies per nation for the victory summary.
  Table<U16, 4> OceanShipsSunk;
  Table<U16, 4> RiverShipsSunk;
  Table<U32, 4> ForagingLosses;
  Table<I32, 4> Casualties;
  Table<U32, 4> Prisoners;

  U16 ExtensionMark;
  U16 ShowLeaderRatings;
  Table<U16, 4> TerritorialTotal;
  Table<U16, 4> TerritorialPoints;
  Table<U16, 4> MilitaryPoints;
  I16 EndMonth;
  I16 EndYear;
  std::uint8_t Reserved102[2];
  U16 StartMonth;
  U16 StartYear;
  std::uint8_t Reserved108[2];
  U16 MessageView;
  std::uint8_t Reserved112[2];
  U16 Reserved114;
  U16 MailSide;
  U16 MoveDelay;
  U16 Reserved120;
  std::uint8_t Reserved122[12];
  U16 Reserved134;
  U16 PlayMode;
  std::uint8_t Reserved138[4];
  Table<U16, 3> Weather;
  U16 BattleCount;
  Table<U16, 3> AiTheatreActive;
  // Low byte of the old weather-column word. The weather roll keeps its column
  // in a game-wide variable instead, because the word's high byte is entry
  // (0, 0) of the weather table and would be wiped at every roll.
  std::uint8_t Reserved156;
  std::uint8_t WeatherTable[9][12];  // [row][column], both from 0
  std::uint8_t Reserved265;

  Table<TArmy, 15> Armies;
  Table<TCity, 86> Cities;
  Table<TCorps, 120> Corps;
  Table<TLeader, 210> Leaders;
  Table<TNationRec, 4> Nations;
  Table<TStateRec, 37> States;
  Table<TFleet, 100> Fleets;
  Table<Table<TArmyName, 9>, 2> ArmyNames;  // [side][k]
  Table<TWeaponType, 8> WeaponTypes;
  Table<TAiPlan, 24> AiPlans;
  Table<TBrigade, 500> Brigades;

  std::uint8_t Reserved38025[3280];
  U16 BattleX;
  U16 BattleY;
  std::uint8_t Reserved41309[4];
  U16 Reserved41313;
  U16 Reserved41315;
  U16 BattleOutcome;
  U16 Reserved41319;
  U16 Hits1;
  U16 Reserved41323;
  U16 Hits2;
  std::uint8_t Reserved41327[8];
  U16 Reserved41335;
  U16 Reserved41337;
  U16 Reserved41339;
  std::uint8_t Reserved41341[5];
  Table<U16, 4> NationTally;
  std::uint8_t Reserved41354[2];
};

static_assert(sizeof(TGameState) == 41356);
static_assert(offsetof(TGameState, Step) == 1 && offsetof(TGameState, Month) == 2);
static_assert(offsetof(TGameState, Year) == 4 && offsetof(TGameState, OceanShipsSunk) == 6);
static_assert(offsetof(TGameState, RiverShipsSunk) == 14);
static_assert(offsetof(TGameState, ForagingLosses) == 22);
static_assert(offsetof(TGameState, Casualties) == 38 && offsetof(TGameState, Prisoners) == 54);
static_assert(offsetof(TGameState, ExtensionMark) == 70);
static_assert(offsetof(TGameState, ShowLeaderRatings) == 72);
static_assert(offsetof(TGameState, TerritorialTotal) == 74);
static_assert(offsetof(TGameState, TerritorialPoints) == 82);
static_assert(offsetof(TGameState, MilitaryPoints) == 90);
static_assert(offsetof(TGameState, EndMonth) == 98 && offsetof(TGameState, EndYear) == 100);
static_assert(offsetof(TGameState, Reserved102) == 102);
static_assert(offsetof(TGameState, StartMonth) == 104 && offsetof(TGameState, StartYear) == 106);
static_assert(offsetof(TGameState, Reserved108) == 108);
static_assert(offsetof(TGameState, MessageView) == 110);
static_assert(offsetof(TGameState, Reserved112) == 112);
static_assert(offsetof(TGameState, Reserved114) == 114 && offsetof(TGameState, MailSide) == 116);
static_assert(offsetof(TGameState, MoveDelay) == 118);
static_assert(offsetof(TGameState, Reserved120) == 120);
static_assert(offsetof(TGameState, Reserved122) == 122);
static_assert(offsetof(TGameState, Reserved134) == 134 && offsetof(TGameState, PlayMode) == 136);
static_assert(offsetof(TGameState, Reserved138) == 138 && offsetof(TGameState, Weather) == 142);
static_assert(offsetof(TGameState, BattleCount) == 148);
static_assert(offsetof(TGameState, AiTheatreActive) == 150);
static_assert(offsetof(TGameState, Reserved156) == 156);
static_assert(offsetof(TGameState, WeatherTable) == 157);
static_assert(offsetof(TGameState, Reserved265) == 265);
static_assert(offsetof(TGameState, Armies) == 266 && offsetof(TGameState, Cities) == 926);
static_assert(offsetof(TGameState, Corps) == 6430 && offsetof(TGameState, Leaders) == 14830);
static_assert(offsetof(TGameState, Nations) == 21340 && offsetof(TGameState, States) == 21912);
static_assert(offsetof(TGameState, Fleets) == 24909);
static_assert(offsetof(TGameState, ArmyNames) == 32209);
static_assert(offsetof(TGameState, WeaponTypes) == 32641);
static_assert(offsetof(TGameState, AiPlans) == 32785);
static_assert(offsetof(TGameState, Brigades) == 33025);
static_assert(offsetof(TGameState, Reserved38025) == 38025);
static_assert(offsetof(TGameState, BattleX) == 41305 && offsetof(TGameState, BattleY) == 41307);
static_assert(offsetof(TGameState, Reserved41309) == 41309);
static_assert(offsetof(TGameState, Reserved41313) == 41313);
static_assert(offsetof(TGameState, Reserved41315) == 41315);
static_assert(offsetof(TGameState, BattleOutcome) == 41317);
static_assert(offsetof(TGameState, Reserved41319) == 41319);
static_assert(offsetof(TGameState, Hits1) == 41321);
static_assert(offsetof(TGameState, Reserved41323) == 41323);
static_assert(offsetof(TGameState, Hits2) == 41325);
static_assert(offsetof(TGameState, Reserved41327) == 41327);
static_assert(offsetof(TGameState, Reserved41335) == 41335);
static_assert(offsetof(TGameState, Reserved41337) == 41337);
static_assert(offsetof(TGameState, Reserved41339) == 41339);
static_assert(offsetof(TGameState, Reserved41341) == 41341);
static_assert(offsetof(TGameState, NationTally) == 41346);
static_assert(offsetof(TGameState, Reserved41354) == 41354);
