#pragma once
// Each army's headquarters city: moved toward the army's target, moved away
// when the enemy takes its hex, and the army lost when no city can take it.

// Runs every army with a nation and corps, in table order.
void MoveArmyHeadquarters();
