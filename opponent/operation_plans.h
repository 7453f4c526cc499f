#pragma once
// What every scripted operation of the computer shares: its phase record, the
// marks that tie corps, armies and cities to it, the search for a free corps
// near a city, and the questions it asks of states and cities.
#include "world/force_records.h"
#include "world/operation_marks.h"
#include "world/realm_records.h"

TAiPlan& OperationPlan(int operation);

// Frees the corps, or the armies, marked for the operation.
void ReleaseCorps(int operation);
void ReleaseArmies(int operation);

// An idle operation begins in the phase given when its trigger holds, and is
// cancelled when it does not.
void StartOrCancel(int operation, bool trigger, int phase);

// Frees every corps, army and city marked for the operation, in every slot.
void CancelOperation(int operation);

// An active corps that is not disordered.
bool IsFightingCorps(const TCorps& corps);

// How the two sides' corps searches differ: the Union's counts both strengths
// from 1, so an empty neighbourhood never looks safer than a held one, and
// takes corps serving in armies; the Confederacy's counts from 0 and leaves
// army corps alone.
struct CorpsSearch {
  int startStrength = 0;
  bool takesArmyCorps = false;
};

// The nearest free corps of the nation's camp to the city, nearer than radius
// + 1 with distances doubled outside the city's theatre; failing that, the
// nearest free corps of the nation itself in the city's theatre, in no army,
// below 12 hexes. Fills the threat variables with the strengths within the
// radius; 0 when there is no corps (or no such city).
int FindFreeCorpsNear(int city, int nation, int radius, const CorpsSearch& search);

// Hexes from the corps to the city.
int CorpsDistanceToCity(const TCorps& corps, int city);

// Whether the city (a valid number) is held by the nation's camp.
bool IsCityHeldBy(int city, int nation);

// The camp controlling the state.
int StateHolder(int state);
int StateIntruders(int state);

// The corps is sent to the city under the operation's mark.
void AssignCorpsToCity(TCorps& corps, int city, int operation);

// Asks for one garrison brigade at the city when it has none.
void AskGarrisonWhenBare(int city);
