#pragma once
// The cities a computer army weighs in one planning pass, and how its free
// corps are committed to them until each one's enemy strength is matched.
#include <cstdint>

#include "world/table.h"

// A candidate city: its place and value, the nearest enemy and own corps, the
// enemy strength still to be matched (Need), the own strength near it and its
// garrison. A Value of 0 marks an entry spent.
struct TTargetEntry {
  std::uint16_t City;
  std::uint16_t X;
  std::uint16_t Y;
  std::uint16_t Value;
  std::uint16_t EnemyDistance;
  std::uint16_t Need;
  std::uint16_t OwnDistance;
  std::uint16_t OwnStrength;
  std::uint16_t Garrison;
};

// The army's list, entry 1 its headquarters; it lasts for one army's planning.
extern Table<TTargetEntry, 8> TargetList;

void ClearTargetList();

// Fills the entry for the city, with the corps counted within the radius
// (halved around a city of a state the nation's camp holds).
void FillTargetEntry(int entry, int nation, int city, int radius);

// Fills the entries after `count` with the cities of a camp lying within range
// of both the first and the count-th entry: their distance apart, or six more
// than the army's free corps, at most 16 hexes.
void BuildTargetList(int nation, int count, int army);

// The entry of highest value whose city the army may take up: neutral or of
// the given camp and the army's kind, claimed by no other army, and with
// enemy strength near it when needRequired is 1. 0 when none.
int PickBestTarget(int camp, int army, int needRequired);

// Sends the army's free corps within the radius of the entry to it, in index
// order, until the army has no free corps or the entry's Need is covered.
void CommitCorpsToTarget(int nation, int army, int entry, int radius);

// The army's three passes over its list: the own cities under threat, then,
// when the army advances, the enemy cities, then whatever is left. A target is
// taken up only when its Need is below the army's free strength.
void AttackBestTarget(int nation, int army);
