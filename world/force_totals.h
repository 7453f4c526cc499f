#pragma once
// The figures every side reads at the start of its turn, recomputed from the
// forces as they stand: ships per nation, strength per state, each corps'
// capacity, rating, local odds and leader ratings, each army's means and odds,
// and each nation's counts and strengths per theatre. Corps that have ceased to
// exist are removed on the way, and armies left without corps dissolved.

// TCorps.Posture: the local odds of a corps.
namespace TPosture {
inline constexpr int Outmatched = 1;
inline constexpr int Outnumbered = 2;
inline constexpr int Even = 3;
inline constexpr int Stronger = 4;
inline constexpr int Overwhelming = 5;
}  // namespace TPosture

// TArmy.Odds of an army facing an even enemy.
inline constexpr int kEvenArmyOdds = 50;

void ComputeForceTotals();

// The brigades a corps (kind 0) or division may hold once the totals have run:
// the commander's combat rating / 12 + 4 for a corps, / 35 + 2 for a division.
int CorpsCapacity(int kind, int combat);

// The odds of an army with own against enemy (both counted in tens, plus 1):
// 50 even, 60 to 100 and on for the stronger side, 40 and below for the weaker.
int ArmyOdds(int own, int enemy);
