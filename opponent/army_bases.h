#pragma once
// Where a computer army stands and where it strikes: the cities around its
// headquarters scored by value and distance, the two best of each kind.

struct TCityChoice {
  int best = 0;
  int second = 0;
};

// Whether no other army of the camp has the city as its headquarters or as the
// city it attacks.
bool IsCityUnclaimed(int side, int army, int city);

// The two best cities of the army's camp for it to hold, scored from its
// headquarters: with boldness 0 only rail stations, otherwise also any city of
// its kind. A threatened capital in the army's theatre comes first.
TCityChoice PickArmyDefenceCities(int army, int boldness);

// The two best enemy cities of its kind for the army to attack.
TCityChoice PickArmyAttackCities(int army);
