#pragma once
// The computer players' turn, once per executed turn at the end of the orders:
// every nation is visited in the order Union, Confederacy, France, Britain,
// human ones too. A computer nation replaces failing commanders, balances its
// theatres' supplies, values the cities and runs its plan; a human nation has
// its cities valued and its disordered corps sent back to safety. CurrentSide
// is left at the last nation, Britain.

void RunNationTurnLoop();

// The plans of the four nations; each does nothing for a human nation. France
// and Britain value the cities they care for, and move forces only once at war.
void PlanUnion();
void PlanConfederacy();
void PlanFrance();
void PlanBritain();
