#pragma once
// The land forces as saved: corps (and divisions), armies, brigades, leaders.
// Every offset is part of the saved-game format.
#include <cstddef>
#include <cstdint>

#include "world/fixed_string.h"
#include "world/le_int.h"
#include "world/table.h"

struct TCorps {
  std::uint8_t X;
  std::uint8_t Y;
  std::uint8_t EnemyPressure;
  std::uint8_t OwnPressure;
  std::uint8_t Posture;
  std::uint8_t Stance;
  std::uint8_t DestX;
  std::uint8_t DestY;
  std::uint8_t Entrenchment;
  std::uint8_t Side;
  std::uint8_t Ordinal;
  std::uint8_t Theatre;
  std::uint8_t State;
  std::uint8_t LeaderCombat;
  std::uint8_t Disorder;
  std::uint8_t March;
  std::uint8_t Cohesion;
  std::uint8_t Fatigue;
  std::uint8_t Army;
  std::uint8_t Inactive;
  std::uint8_t SupplyType;
  std::uint8_t SupplyPriority;
  std::uint8_t SupplyStatus;
  std::uint8_t City;
  std::uint8_t Spotted;
  std::uint8_t LeaderInitiative;
  std::uint8_t Leader;
  std::uint8_t Quality;
  std::uint8_t Readiness;
  std::uint8_t Kind;
  std::uint8_t BattleMark;
  std::uint8_t LastMoveDir;
  std::uint8_t ArtilleryStrength;
  std::uint8_t ArtilleryBrigades;
  std::uint8_t OtherBrigades;
  std::uint8_t Capacity;
  std::uint8_t Nation;
  std::uint8_t ContactStep;
  U16 AiMission;
  U16 MovePoints;
  U16 Strength;
  std::uint8_t Activity;
  std::uint8_t SupplyLosses;
  std::uint8_t PathStep;
  Table<std::uint8_t, 9> Path;
  U16 StartX;
  U16 StartY;
  std::uint8_t StepsMoved;
  Table<std::uint8_t, 9> StepDone;

  // A removed corps keeps its other bytes; only this flag tells.
  bool IsFree() const { return Inactive != 0; }
};

struct TArmy {
  Str<22> Name;
  std::uint8_t HqCity;
  std::uint8_t Side;
  std::uint8_t Ordinal;
  std::uint8_t Leader;
  std::uint8_t TargetCity;
  std::uint8_t Stance;
  std::uint8_t March;
  std::uint8_t Fatigue;
  std::uint8_t CorpsCount;
  std::uint8_t Cohesion;
  std::uint8_t SupplyPriority;
  std::uint8_t SupplyType;
  std::uint8_t AiFreeCorps;
  std::uint8_t Rating;
  std::uint8_t Theatre;
  std::uint8_t AiTargetCity;
  std::uint8_t Nation;
  U16 AiOrder;
  U16 Odds;

  // An army whose headquarters fell keeps its name, leader and corps count, so
  // the slot is free only once both its nation and its city are cleared.
  bool IsFree() const { return Nation == 0 && HqCity == 0; }
};

struct TBrigade {
  std::uint8_t Nation;
  std::uint8_t Location;
  std::uint8_t Arm;
  std::uint8_t Strength;
  std::uint8_t Weapon;
  std::uint8_t Quality;
  std::uint8_t HomeState;
  std::uint8_t Number;
  std::uint8_t Status;
  std::uint8_t Fatigue;

  bool IsFree() const { return Status == 0; }
};

// Leaders are never freed; Status tells whether one can be appointed.
struct TLeader {
  Str<21> Name;
  std::uint8_t Status;
  std::uint8_t Combat;
  std::uint8_t Initiative;
  std::uint8_t Rank;
  std::uint8_t Aggression;
  std::uint8_t Inspiration;
  std::uint8_t Side;
  std::uint8_t Experience;
  std::int8_t Modifier;
};

static_assert(sizeof(TCorps) == 70);
static_assert(offsetof(TCorps, EnemyPressure) == 2 && offsetof(TCorps, Posture) == 4);
static_assert(offsetof(TCorps, Stance) == 5 && offsetof(TCorps, DestX) == 6);
static_assert(offsetof(TCorps, DestY) == 7 && offsetof(TCorps, Entrenchment) == 8);
static_assert(offsetof(TCorps, Side) == 9 && offsetof(TCorps, Ordinal) == 10);
static_assert(offsetof(TCorps, Theatre) == 11 && offsetof(TCorps, State) == 12);
static_assert(offsetof(TCorps, LeaderCombat) == 13 && offsetof(TCorps, Disorder) == 14);
static_assert(offsetof(TCorps, March) == 15 && offsetof(TCorps, Cohesion) == 16);
static_assert(offsetof(TCorps, Fatigue) == 17 && offsetof(TCorps, Army) == 18);
static_assert(offsetof(TCorps, Inactive) == 19 && offsetof(TCorps, SupplyType) == 20);
static_assert(offsetof(TCorps, SupplyPriority) == 21 && offsetof(TCorps, SupplyStatus) == 22);
static_assert(offsetof(TCorps, City) == 23 && offsetof(TCorps, Spotted) == 24);
static_assert(offsetof(TCorps, LeaderInitiative) == 25 && offsetof(TCorps, Leader) == 26);
static_assert(offsetof(TCorps, Quality) == 27 && offsetof(TCorps, Readiness) == 28);
static_assert(offsetof(TCorps, Kind) == 29 && offsetof(TCorps, BattleMark) == 30);
static_assert(offsetof(TCorps, LastMoveDir) == 31 && offsetof(TCorps, ArtilleryStrength) == 32);
static_assert(offsetof(TCorps, ArtilleryBrigades) == 33 && offsetof(TCorps, OtherBrigades) == 34);
static_assert(offsetof(TCorps, Capacity) == 35 && offsetof(TCorps, Nation) == 36);
static_assert(offsetof(TCorps, ContactStep) == 37 && offsetof(TCorps, AiMission) == 38);
static_assert(offsetof(TCorps, MovePoints) == 40 && offsetof(TCorps, Strength) == 42);
static_assert(offsetof(TCorps, Activity) == 44 && offsetof(TCorps, SupplyLosses) == 45);
static_assert(offsetof(TCorps, PathStep) == 46 && offsetof(TCorps, Path) == 47);
static_assert(offsetof(TCorps, StartX) == 56 && offsetof(TCorps, StartY) == 58);
static_assert(offsetof(TCorps, StepsMoved) == 60 && offsetof(TCorps, StepDone) == 61);

static_assert(sizeof(TArmy) == 44);
static_assert(offsetof(TArmy, HqCity) == 23 && offsetof(TArmy, Side) == 24);
static_assert(offsetof(TArmy, Ordinal) == 25 && offsetof(TArmy, Leader) == 26);
static_assert(offsetof(TArmy, TargetCity) == 27 && offsetof(TArmy, Stance) == 28);
static_assert(offsetof(TArmy, March) == 29 && offsetof(TArmy, Fatigue) == 30);
static_assert(offsetof(TArmy, CorpsCount) == 31 && offsetof(TArmy, Cohesion) == 32);
static_assert(offsetof(TArmy, SupplyPriority) == 33 && offsetof(TArmy, SupplyType) == 34);
static_assert(offsetof(TArmy, AiFreeCorps) == 35 && offsetof(TArmy, Rating) == 36);
static_assert(offsetof(TArmy, Theatre) == 37 && offsetof(TArmy, AiTargetCity) == 38);
static_assert(offsetof(TArmy, Nation) == 39 && offsetof(TArmy, AiOrder) == 40);
static_assert(offsetof(TArmy, Odds) == 42);

static_assert(sizeof(TBrigade) == 10);
static_assert(offsetof(TBrigade, Location) == 1 && offsetof(TBrigade, Arm) == 2);
static_assert(offsetof(TBrigade, Strength) == 3 && offsetof(TBrigade, Weapon) == 4);
static_assert(offsetof(TBrigade, Quality) == 5 && offsetof(TBrigade, HomeState) == 6);
static_assert(offsetof(TBrigade, Number) == 7 && offsetof(TBrigade, Status) == 8);
static_assert(offsetof(TBrigade, Fatigue) == 9);

static_assert(sizeof(TLeader) == 31);
static_assert(offsetof(TLeader, Status) == 22 && offsetof(TLeader, Combat) == 23);
static_assert(offsetof(TLeader, Initiative) == 24 && offsetof(TLeader, Rank) == 25);
static_assert(offsetof(TLeader, Aggression) == 26 && offsetof(TLeader, Inspiration) == 27);
static_assert(offsetof(TLeader, Side) == 28 && offsetof(TLeader, Experience) == 29);
static_assert(offsetof(TLeader, Modifier) == 30);
