#pragma once
// After the movement, every hex where corps met the enemy becomes a field
// battle or a city assault.

// Fights every marked battle and assault, then recomputes the force totals.
void RunBattles();
