#pragma once
// The computer sides gather their small squadrons: two fleets of one nation on
// one hex, both idle or in port, become one when one of them is thin in a kind
// of ship the other also has.
#include "world/realm_records.h"

// Adds the absorbed fleet's sound and damaged ships, supplies and cotton to the
// kept fleet. The absorbed fleet itself is left as it was.
void MergeFleetInto(int keep, int absorbed);

// Frees the fleet's slot: every field cleared but the number, the path and
// the step record, which a freed slot keeps.
void FreeFleetSlot(TFleet& fleet);

// For each computer nation, each of its fleets takes in at most one partner.
void ConsolidateComputerFleets();
