#pragma once
// What a fleet does once it has reached its destination: landing the corps it
// carries, selling cotton abroad, refitting at home, unloading stores.
// Not written yet: the after-movement phase calls it in its place, and no
// mission is carried out.

// Every fleet, in table order, once per turn after the movement.
void ProcessFleetMissions();
