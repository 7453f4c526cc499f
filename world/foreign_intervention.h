#pragma once
// France and Britain watch the war from outside. Their attitude (low favours
// the Confederacy) moves with captures, capitals, policies and incidents; at
// the bottom of the scale each joins the Confederate camp. France may also be
// bought in with the state that borders its Mexican venture.

// Moves the power's attitude by the change while it lies within 1..99, the
// band where opinion still sways.
void NudgeAttitude(int power, int change);
// Lowers the power's attitude by the amount, to no less than 1: a power
// cannot be driven into the war by one stroke.
void LowerAttitude(int power, int amount);

// The power takes the Confederate camp, with every corps, fleet, state and
// city of its own.
void JoinWar(int power);

void BritainEntersWar();
void FranceEntersWar();

// A computer nation weighs its slavery policy by the war's standing.
void CheckPolicyEvents(int nation);
void CheckUnionPolicy();
