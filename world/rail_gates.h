#pragma once
// When a player may send a corps by rail: from a railway, while the nation has
// rail moves left this turn, and not while the corps is already travelling.
#include "world/force_records.h"

// An own station on the corps' hex, or a railway through it.
bool RailwayAtHand(const TCorps& corps);

// The nation has used fewer rail moves than its capacity this turn.
bool HasRailMovesLeft(int nation);

// Carried by a fleet or moving by rail: the corps keeps its stance and route
// until it arrives.
bool IsInTransit(const TCorps& corps);
