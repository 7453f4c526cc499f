#pragma once
// The computer's management of its forces once per turn: brigades topped up,
// garrisons and fortifications, new corps, divisions and armies, ship repairs
// and orders, and the countdown of every nation's fleets under construction.
// Not written yet: the after-movement phase calls it in its place, and the
// computer raises nothing.

void ManageComputerForces();
