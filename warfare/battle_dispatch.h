#pragma once
// After the movement, every hex where corps met the enemy becomes a field
// battle or a city assault.
// Not written yet: the after-movement phase calls it in its place, and no
// battle is fought.

// Fights every marked battle and assault, then recomputes the force totals.
void RunBattles();
