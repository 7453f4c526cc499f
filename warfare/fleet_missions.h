#pragma once
// What a fleet does once it has reached its destination: landing the corps it
// carries, selling cotton abroad and bringing supplies home, ending a voyage
// at home with a refit, and unloading the stores of a fleet at rest. The rules
// run once after the movement and again in the fleet update at the end of the
// orders.
#include "world/realm_records.h"

// Patrols and port attacks fight where they stand and chase enemy fleets.
bool IsFightingMission(int mission);

// Every active fleet, in table order, once per turn after the movement.
void ProcessFleetMissions();

// A mission without a city to sail for ends, a refit with it: the damaged
// ships return to service. Then a fleet without an objective unloads its
// stores into its home theatre's stocks, where they are not too large to
// take; whatever is not taken is lost.
void SettleFleetAtRest(TFleet& fleet);
// The fleet sails for its objective; standing there, it lands its corps, sells
// or brings home its cotton run, or ends or turns its voyage.
void CarryOutMission(TFleet& fleet);
