#pragma once
// Twice a turn every corps is fed from its nation's stock in its theatre, by
// its depot, its encampment or by foraging; whoever goes short turns to
// foraging, and after movement the hungry lose men. Fleets at sea eat what they
// carry, and cut-off garrisons under siege waste away.
// The two passes of a turn: before movement supplies are drawn only; after it
// the losses are taken as well.
inline constexpr int kSupplyBeforeMovement = 0;
inline constexpr int kSupplyAfterMovement = 1;

// TSupplyPriority
namespace TSupplyPriority {
inline constexpr int Subsistence = 0;
inline constexpr int Standard = 1;
inline constexpr int High = 2;
}  // namespace TSupplyPriority

// TCorps.SupplyStatus of a corps on depot supply.
inline constexpr int kSupplyShort = 2;
inline constexpr int kSupplyCutOff = 10;

// What the corps eats in one pass: by brigade, more for a higher priority and
// for the nations that feed their men better.
int CorpsSupplyDemand(int corps);

// The attrition rate of foraging on the hex; full 1 for the whole rate, any
// other value for half of it.
int ForagingAttritionRate(int x, int y, int corps, int full);

// Takes the strength the rate costs the corps from its brigades; the result is
// the strength lost.
int ApplySupplyAttrition(int corps, int rate);

// The supply pass of the turn, kSupplyBeforeMovement or kSupplyAfterMovement.
void UpdateSupplyAndAttrition(int phase);
