#pragma once
// Fleets at sea during the movement steps: one hex along the stored path, and
// a patrol turning toward an enemy fleet close by.
// Not written yet: the movement steps call these in their place, and fleets
// stay where they are.
#include <cstdint>

// Moves the fleet one step along its path, with the corps it carries, and
// fights on meeting an enemy; 1 when the move is to be shown to the player.
std::uint8_t MoveFleetStep(int fleet);
// A fleet on patrol or attacking a port may turn toward an enemy fleet within
// three hexes, rewriting its path and destination.
void InterceptNearbyFleet(int fleet);
