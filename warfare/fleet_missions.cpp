#include "warfare/fleet_missions.h"

// Will carry out each arrived fleet's mission and report landings.
void ProcessFleetMissions() {}
