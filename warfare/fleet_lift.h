#pragma once
// Which corps a fleet's transports can take aboard.
#include "world/force_records.h"
#include "world/realm_records.h"

// What the transports lift: 300 in a sound one, 100 in a damaged one.
int TransportLift(const TFleet& fleet);
// What a corps weighs: 50 a gun brigade's strength point, 10 a man's.
int CorpsLoad(const TCorps& corps);
// An active corps of the nation on the fleet's hex, no heavier than the lift,
// and not already aboard another fleet.
bool MayEmbark(int fleet, int corps, int nation);
// Whether any corps may embark on the fleet.
bool AnyCorpsMayEmbark(int fleet, int nation);
