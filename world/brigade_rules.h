#pragma once
// The small rules every subsystem applies to the 500 brigades: emptying a slot,
// taking losses, recounting corps and garrison totals, training, raising and
// arming new brigades, handing a corps to a city's garrison, and the monthly
// price list of weapons. None of them tells the player anything.
#include <cstdint>

#include "world/codes.h"
#include "world/force_records.h"
#include "world/realm_records.h"

// TCorpsKind: what a formation is, which sets how many brigades it may hold.
namespace TCorpsKind {
inline constexpr int Corps = 0;
inline constexpr int InfantryDivision = 1;
inline constexpr int CavalryDivision = 2;
}  // namespace TCorpsKind

// ApplyBrigadeLosses modes.
inline constexpr int kLossesByCorps = 1;    // attrition spread over a corps' brigades
inline constexpr int kLossesByBrigade = 3;  // a hit on one brigade

// Full strength of a new brigade of each arm.
inline constexpr int kFullArtilleryStrength = 16;
inline constexpr int kFullInfantryStrength = 80;
inline constexpr int kFullCavalryStrength = 50;

// A corps' brigade experience is cut to this so that ten brigades sum in a byte.
inline constexpr int kMostBrigadeFatigue = 23;

// A brigade in the city's garrison (not one of a corps that shares its number).
inline bool IsGarrisonOf(const TBrigade& brigade, int city) {
  return brigade.Status == TBrigadeStatus::InGarrison && brigade.Location == city;
}

// Weapons first..last, both included; empty when last is below first.
struct WeaponRange {
  int first;
  int last;
};

// A state's recruits of one arm, and the strength of a full brigade of it.
struct RecruitPool {
  U16 TStateRec::*points;
  int fullStrength;
};
// The pool of the arm; false for a brigade of no arm.
bool PoolOfArm(int arm, RecruitPool& pool);

// Empties a brigade slot. The number, location, weapon and quality bytes keep
// what they held; a city losing a brigade of its garrison counts it gone.
void ClearBrigade(int brigade);

// Mode 1: amount points of attrition taken one at a time from corps index's
// brigades. Mode 3: a hit of amount points on brigade index. Anything else is ignored.
void ApplyBrigadeLosses(std::uint16_t mode, std::uint16_t index, std::uint16_t amount);

// Rebuilds every corps' brigade totals and capacity and every city's garrison
// count from the brigade table, emptying dead slots on the way.
void RecountCorpsBrigades();

// Sets the city's garrison count to the brigades standing in its garrison.
// Every rule that moves a brigade into or out of a garrison calls it, so that
// no city is thought garrisoned by men who are gone, nor open with men inside.
void RecountGarrison(int city);
// The same for every city of a nation; a city of no nation keeps its count.
void RecountGarrisons();

// How many brigades a commander of this combat rating can lead in a corps of
// the kind (TCorpsKind) for the nation; not yet cut to the limit of ten.
int CommandCapacity(int kind, int nation, int combat);

// Drills the corps' brigades; returns how many gained quality.
std::uint16_t TrainCorpsBrigades(int corps);

// Writes this month's weapon prices per nation.
void SetProductionCosts();

// The lowest weapon of the arm's range that the nation holds more of than the
// brigade's strength; 0 when none.
int PickWeaponForArm(int nation, int arm, int strength);

// Arms every raised brigade of the nation that a weapon is in stock for and
// sends it to its gathering city.
void ArmRaisedBrigades(int nation);

// Raises one brigade of the arm from the state's pool of recruits.
void RaiseBrigade(int arm, int state);

// Hands a corps' brigades to the garrison of its city.
void GarrisonCorpsBrigades(int corps);
