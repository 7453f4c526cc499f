#include "warfare/fleet_lift.h"

#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kLiftPerTransport = 300;
constexpr int kLiftPerDamagedTransport = 100;
constexpr int kLoadPerGun = 50;
constexpr int kLoadPerMan = 10;

bool CarriedElsewhere(int fleet, int corps) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& other = GameState.Fleets[f];
    if (f != fleet && !other.IsFree() && other.Corps == corps) return true;
  }
  return false;
}
}  // namespace

int TransportLift(const TFleet& fleet) {
  return kLiftPerTransport * fleet.Ships[3] + kLiftPerDamagedTransport * fleet.DamagedShips[3];
}

int CorpsLoad(const TCorps& corps) {
  return kLoadPerGun * corps.ArtilleryStrength + kLoadPerMan * corps.Strength;
}

bool MayEmbark(int fleet, int corps, int nation) {
  if (!IsEntryOf(GameState.Fleets, fleet) || !IsEntryOf(GameState.Corps, corps)) return false;
  const TFleet& ships = GameState.Fleets[fleet];
  const TCorps& troops = GameState.Corps[corps];
  return troops.Inactive == 0 && troops.Nation == nation && troops.X == ships.X &&
         troops.Y == ships.Y && CorpsLoad(troops) <= TransportLift(ships) &&
         !CarriedElsewhere(fleet, corps);
}

bool AnyCorpsMayEmbark(int fleet, int nation) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (MayEmbark(fleet, c, nation)) return true;
  return false;
}
