#pragma once
// The three measures of how the war stands that captures, policies and events
// all move: each nation's war score, the foreign powers' attitude and each
// state's loyalty. The moves here are those several rules share, each with its
// one set of limits, and each does nothing for an index outside its table.
// A rule with limits of its own moves a measure where it is written: a power
// goes to war at attitude 0; the incident at sea and France's bargain set an
// attitude outright or move it in a band of their own, as battles, the
// election and cruises off a British port do; and some rules add to a war
// score in place, saturating as AddWarScore does.

// A state's loyalty runs from 0 to this.
inline constexpr int kFullLoyalty = 100;
// A power at peace whose attitude has reached this is swayed no more by the
// fortunes of the war.
inline constexpr int kFriendlyAttitude = 100;

// Adds to a nation's war score, stopping at the field's limits; nothing for no nation.
void AddWarScore(int nation, int amount);
// Takes from a nation's war score, which stops at 0; nothing for no nation.
void LowerWarScore(int nation, int amount);

// Moves the power's attitude by the change while it lies within 1..99, the
// band where opinion still sways.
void NudgeAttitude(int power, int change);
// Lowers the power's attitude by the amount, to no less than 1: a power
// cannot be driven into the war by one stroke.
void LowerAttitude(int power, int amount);
// Raises the power's attitude by the amount while it lies below the limit,
// which it may pass.
void RaiseAttitudeBelow(int power, int amount, int limit);

// A state's loyalty, kept within 0..kFullLoyalty.
void RaiseLoyalty(int state, int amount);
void LowerLoyalty(int state, int amount);
