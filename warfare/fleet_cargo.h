#pragma once
// What a fleet carries: a corps and its stores. A corps is aboard only while
// it is embarked, and the fleet lets go of it as it goes ashore, so no corps
// is left embarked without its fleet and no fleet holds a corps that left it.
#include "world/realm_records.h"

// The corps embarked on the fleet; 0 when none is aboard.
int EmbarkedCorps(const TFleet& fleet);
// The corps aboard moves with the fleet and rests on the voyage.
void CarryCorps(const TFleet& fleet);
// The corps aboard lands on the fleet's hex and advances on the objective.
// Never into the sea: a fleet stopped on open water keeps its corps.
void LandCorps(TFleet& fleet);
// The corps aboard goes ashore on the fleet's hex to defend it, when that hex
// is land; the fleet lets go of the corps it names in any case on land.
void PutCorpsAshore(TFleet& fleet);
// A corps that goes down with its fleet: every man aboard is booked lost,
// its leader with it, and no link to a place, army or command is left.
void LoseCorpsWithFleet(int corps);

// The fleet's supplies go into its nation's stock in the city's theatre. With
// no nation or theatre to take them they stay aboard rather than vanish.
void DeliverSupplies(TFleet& fleet, int city);
// Fills a new notice of the kind about the fleet: its nation's line, its home
// port's name, then the text. The caller adds what else it tells and shows it.
void StartFleetNotice(int kind, const TFleet& fleet, int text);
// The notice that a cotton fleet's supplies have come home to the city.
void ReportSuppliesHome(int city);
