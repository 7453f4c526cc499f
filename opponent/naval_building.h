#pragma once
// The computer's navy: damaged ships repaired in their home yards, the new
// fleets of every nation counted down to launch (or lost with their port),
// and each computer nation's plan of how many ships of each kind it wants
// against the enemy camp, the yards to build them and the orders to lay down.

void RefitFleetsInPort(int nation);
// Runs for human nations too: no one else ever launches their new fleets.
void CountDownFleetConstruction(int nation);
void PlanNavalBuilding(int nation);

// The ships a nation wants of each kind, and what it lacks of them.
struct NavalWants {
  int ironclads = 0;
  int riverIronclads = 0;
  int warships = 0;
  int riverWarships = 0;
  int transports = 0;
};
// Counts every nation's ships into its tally, fleets just laid down left out.
void TallyShips();
// What the nation wants given the enemy camp's tallies.
NavalWants WantedShips(int nation);
