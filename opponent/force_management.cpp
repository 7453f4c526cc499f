#include "opponent/force_management.h"

// Will raise, arm, garrison and form the computer's forces and build its ships.
void ManageComputerForces() {}
