#pragma once
// The fleets' per-turn upkeep at the end of the orders: the naval totals,
// stray fleets recalled home, and the fleet update proper: missions checked,
// computer fleets cut off from their home port re-homed or scuttled, and a
// path and movement allowance laid for the coming movement.
#include "world/realm_records.h"

// Frees every fleet that has no ships left, then counts each nation's ships
// and its naval balance against the enemy.
void ComputeNavalTotals();
// Sends home every fleet of the nation's camp that idles away from its port,
// has run out of supplies or is damaged on a voyage, or has landed its corps.
void RecallFleetsToPort(int nation);
// Lays every fleet's path for the turn and applies missions and blockade.
void UpdateFleets();

// How many path steps the fleet may take this turn: a fleet is as slow as its
// slowest hull, damaged or not, and any damage slows it further.
int FleetMoveAllowance(const TFleet& fleet);
