#pragma once
// A side's own yards: what a port can still lay down, what ships cost, and the
// fleet a player raises there. Ship types count as a fleet lists them:
// 1 ironclads, 2 wooden warships, 3 transports.

struct ShipCost {
  int manpower;  // naval build points
  int supplies;  // from the port's theatre
};

// What n ships of the type cost.
ShipCost CostOfShips(int type, int n);

// The ships of the type the port's yard can still begin: its capacity for the
// type (ShipyardA for ironclads, ShipyardB for the wooden ships) less the ships
// of that yard already on the stocks there. Never below 0.
int FreeYardCapacity(int city, int type);

// What stood in the way of raising a fleet; both shortfalls may be reported.
struct RaiseOutcome {
  int fleet = 0;  // the new fleet, 0 when none was raised
  bool noFreeSlot = false;
  bool shortOfManpower = false;
  bool shortOfSupplies = false;
};

// Lays down n ships of the type at the port for the nation, ocean-going or
// river-going: both costs are paid, or nothing is when either falls short.
// The new fleet refits at its port until it is built.
RaiseOutcome RaiseFleet(int nation, int city, bool river, int type, int n);
