#pragma once
// The Union's scripted campaigns, each tied to states and cities of the
// historical map. The Union's plan runs them in the order 1, 2, 3, 4, 5, 7, 6.
// Not written yet: each one does nothing, and the Union's armies and corps
// follow the general planner alone.

void RunUnionOperation1();
void RunUnionOperation2();
void RunUnionOperation3();
void RunUnionOperation4();
void RunUnionOperation5();
void RunUnionOperation6();
void RunUnionOperation7();
