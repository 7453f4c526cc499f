#pragma once
// The Confederacy's scripted campaigns: defending its home states and taking
// back lost cities. Its plan runs 14 every turn and the others by its postures.
// Not written yet: each one does nothing, and the Confederate armies and corps
// follow the general planner alone.

void RunConfederateOperation10();
void RunConfederateOperation11();
void RunConfederateOperation12();
void RunConfederateOperation13();
void RunConfederateOperation14();
