#pragma once
// The computer's armies, once per turn: each gathers the free corps near its
// headquarters, decides from its odds, the theatre's posture and its commander
// how boldly it fights, picks a city to hold and one to attack, and commits
// its corps to the cities around them. An army too weak to stand is abandoned.

void PlanArmyOperations(int nation);

// Free corps of the army's theatre join it: those drawing supply at its
// headquarters, and those whose own supply city is safe and who lie near
// enough for its commander's inspiration; the army takes no more than its
// commander's combat / 8 + 2 corps.
void GatherArmyCorps(int army, int nation);

// Every corps of the army draws on its headquarters and is sent to the army's
// city (or its headquarters); a disordered one falls back there by forced march.
void SetArmyCorpsOrders(int army);

// Hexes from the corps to the nearest active corps of another camp; 100 when none.
int CorpsDistanceToEnemy(int corps);

// How boldly the army fights: 0 falls back, 1 defends, 2 attacks. At -20 and
// below it falls back; from 50 on it attacks.
int ArmyBoldness(int army, int posture);
