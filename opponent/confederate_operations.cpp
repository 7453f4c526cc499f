#include "opponent/confederate_operations.h"

// The operation on cities 42 and 43: not written yet, it does nothing.
void RunConfederateOperation10() {}
// The operation in states 24, 25 and 26: not written yet, it does nothing.
void RunConfederateOperation11() {}
// The operation in states 20 and 21: not written yet, it does nothing.
void RunConfederateOperation12() {}
// The operation in state 22: not written yet, it does nothing.
void RunConfederateOperation13() {}
// The recovery of lost stations and ports: not written yet, it does nothing.
void RunConfederateOperation14() {}
