#pragma once
// The corps search around a city that the computer's planners share: the
// nearest own corps free for a task, the nearest enemy corps, and the strength
// on both sides within a radius.
#include <cstdint>

// The nearest own corps without a mission, within twice the radius of the city
// and nearer than every corps (own or enemy) examined before it; 0 when none.
// Fills the threat variables as well: ThreatEnemyCount holds the nearest enemy
// corps (not a count), ThreatCorpsAtCity an own corps on the city, and the
// strengths sum the corps closer than the radius.
int NearestOwnCorps(int city, int nation, int radius);
