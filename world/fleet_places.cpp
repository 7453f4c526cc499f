#include "world/fleet_places.h"

#include "world/route_finder.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

int RouteModeOf(const TFleet& fleet) {
  return fleet.Kind == kRiverFleet ? kRiverRouteMode : kSeaRouteMode;
}

THexPos CityHex(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return {0, 0};
  const TCity& place = GameState.Cities[city];
  return {place.X, place.Y};
}

THexPos FleetHex(const TFleet& fleet) {
  return {fleet.X, fleet.Y};
}

bool IsOnDestination(const TFleet& fleet) {
  return fleet.X == fleet.DestX && fleet.Y == fleet.DestY;
}

bool LiesInCity(const TFleet& fleet, int city) {
  return IsEntryOf(GameState.Cities, city) && CityHex(city) == FleetHex(fleet);
}

void SteerToCity(TFleet& fleet, int city) {
  const THexPos hex = CityHex(city);
  fleet.DestX = static_cast<std::uint8_t>(hex.X);
  fleet.DestY = static_cast<std::uint8_t>(hex.Y);
}

void GiveUpCorps(TFleet& fleet) {
  fleet.Mission = TFleetMission::Move;
  fleet.Objective = fleet.HomePort;
  if (IsEntryOf(GameState.Cities, fleet.HomePort)) SteerToCity(fleet, fleet.HomePort);
  fleet.Corps = 0;
}

int TheatreOfCity(int city) {
  return IsEntryOf(GameState.Cities, city) ? GameState.Cities[city].Theatre : 0;
}
