#pragma once
// How the land lies around a city for a nation: its own corps and the enemy's
// within a radius. The results are left in the threat variables of vardecl.h
// for the caller to read at once.

// Fills ThreatCorpsAtCity (the last corps of the city's camp standing on it),
// ThreatOwnStrength (1 plus the strength of the nation's camp within the
// radius) and, for every other corps within the radius, ThreatEnemyCount,
// ThreatEnemyStrength (each corps' strength divided by its distance plus 1)
// and ThreatEnemyValue (their cohesion). For city 0 or one past the table the
// variables keep their starting values.
void AssessCityThreat(int city, int nation, int radius);
