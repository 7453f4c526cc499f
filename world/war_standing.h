#pragma once
// The three measures of how the war stands that captures, policies and events
// all move: each nation's war score, the foreign powers' attitude and each
// state's loyalty. Every rule that moves one goes through here, so each keeps
// its one set of limits.

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

// A state's loyalty, kept within 0..100.
void RaiseLoyalty(int state, int amount);
void LowerLoyalty(int state, int amount);
