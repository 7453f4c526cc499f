#pragma once
// Fleets at sea during the movement steps: one hex along the path the fleet
// update laid, what happens when a fleet stands on its destination, and a
// patrol turning toward an enemy fleet close by.
#include <cstdint>

// Moves the fleet one step along its path, with the corps it carries, and
// fights on meeting an enemy; 1 when the move is to be shown to the player.
// While the fleet stands on its destination the arrival rules run on every
// call, until the destination is cleared.
std::uint8_t MoveFleetStep(int fleet);
// A fleet on patrol or attacking a port may turn toward an enemy fleet within
// three hexes, rewriting its path and destination.
void InterceptNearbyFleet(int fleet);
