#pragma once
// The quiet upkeep of each turn: the states drift toward the side that is
// winning, leaders come back from leave and wounds, and governors complain
// when their theatre is pushed too hard or left idle.

// Loyalty drift, leader countdowns and governors' complaints, in that order.
void UpdateLoyaltyAndLeaders();
