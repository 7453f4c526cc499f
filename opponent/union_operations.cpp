#include "opponent/union_operations.h"

// The operation around city 11: not written yet, it does nothing.
void RunUnionOperation1() {}
// The operation into states 20, 6, 9 and 8: not written yet, it does nothing.
void RunUnionOperation2() {}
// The operation in state 19: not written yet, it does nothing.
void RunUnionOperation3() {}
// The operation on city 43: not written yet, it does nothing.
void RunUnionOperation4() {}
// The operation in state 22: not written yet, it does nothing.
void RunUnionOperation5() {}
// The operation down to states 26 and 25: not written yet, it does nothing.
void RunUnionOperation6() {}
// The operation into state 21: not written yet, it does nothing.
void RunUnionOperation7() {}
