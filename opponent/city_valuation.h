#pragma once
// What every city is worth to a nation planning its turn: the enemy near it,
// its size and works, the nation's posture in its theatre, the states worth a
// fight, and one objective city per theatre. The planners pick their targets
// by these values, which belong to the nation valued last.

// Measures the threat around every city (within 3 hexes per theatre number,
// plus 3) and sets its planning value and enemy strength for the nation, and
// whether the nation's capital is threatened (1) or lost (2). A value above
// 2000 becomes 2000 plus a draw below 1000, drawn in city order.
void ValueCitiesForNation(int nation);

// Values the states with a capital city for the nation (invaded home states
// most) and adds each state's value to its cities, doubling what the posture
// favours and tenfold for a lost home city, up to 1000.
void AddStateTargetValues(int nation);

// Names the most valuable city of each active theatre its objective, raises
// the cities around it, and, where the nation attacks, adds the enemy strength
// around each city not of its camp.
void ChooseRegionalObjectives(int nation);
