#pragma once
// What a nation pays in war score for taking a command from a leader in good
// standing: relieving him, or dissolving the corps he leads. His standing
// (TLeader.Modifier) is the public's regard for him.

// A draw of 0..9 plus his standing counted `weight` times: once for a corps
// commander, twice for an army commander.
int ReliefCost(int modifier, int weight);

// A draw of 0..9 plus the commander's standing, never below nothing.
int DissolutionCost(int modifier);

// Lowers the nation's war score by the cost; nothing for nation 0.
void ChargeWarScore(int nation, int cost);
