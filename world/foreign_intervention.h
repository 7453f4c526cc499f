#pragma once
// France and Britain watch the war from outside. Their attitude (low favours
// the Confederacy) moves with captures, capitals, policies and incidents; at
// the bottom of the scale each joins the Confederate camp. France may also be
// bought in with the state that borders its Mexican venture.

// The power takes the Confederate camp, with every corps, fleet, state and
// city of its own.
void JoinWar(int power);

void BritainEntersWar();
void FranceEntersWar();

// A computer nation weighs its slavery policy by the war's standing.
void CheckPolicyEvents(int nation);
void CheckUnionPolicy();
