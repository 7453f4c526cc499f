#pragma once
// After the movement, every hex where corps met the enemy becomes a field
// battle, an assault on a garrisoned city, or, when one camp alone is there
// and no garrison stands against it, nothing but a look at the place.

// Fights every marked battle and assault; outside play by mail then clears
// the marks of the turn and recomputes the force totals.
void RunBattles();
