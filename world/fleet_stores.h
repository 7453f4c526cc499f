#pragma once
// Supplies and cotton a player puts aboard a fleet or takes off it, against
// its nation's stock in the theatre of its home port. Nothing is lost or made
// on the way: a load that the stock or the fleet cannot hold does not move.
#include "world/le_int.h"
#include "world/realm_records.h"

// Bales the fleet's holds take: only the Confederacy's sea transports carry
// cotton, 300 in a sound transport, 150 in a damaged one.
int CottonCapacity(const TFleet& fleet);

// One of the moves below.
using StoreMove = bool (*)(TFleet& fleet, U16& stock);

// Supplies move 5 at a time, and only when the side giving them has more than
// 4. Each move says whether anything moved.
bool LoadSupplies(TFleet& fleet, U16& stock);
bool UnloadSupplies(TFleet& fleet, U16& stock);
// Cotton goes aboard 50 bales at a time while the holds are not full (so the
// last load may pass the capacity), or the whole stock when it is smaller;
// it comes off 50 at a time, or whatever is left aboard.
bool LoadCotton(TFleet& fleet, U16& stock);
bool UnloadCotton(TFleet& fleet, U16& stock);
