#include "warfare/fleet_update.h"

// Will lay fleet paths, cut blockaded fleets off and repeat the arrival rules.
void UpdateFleets() {}

// Will sum the ships of every nation and set each one's naval balance.
void ComputeNavalTotals() {}
