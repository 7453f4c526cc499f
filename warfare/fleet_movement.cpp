#include "warfare/fleet_movement.h"

// Will step the fleet along TFleet.Path, record the step and land on arrival.
std::uint8_t MoveFleetStep(int) {
  return 0;
}

// Will draw for an interception and re-route the fleet toward its quarry.
void InterceptNearbyFleet(int) {}
