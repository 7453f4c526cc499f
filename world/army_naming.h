#pragma once
// A new army takes its name from the nation's list of army names, preferring a
// name that belongs to the state and theatre it is raised in, and is announced.
#include "world/force_records.h"

// Names army slot army of the nation (its leader and headquarters already set)
// for the state it was raised in, and shows the army-formed notice.
void NameNewArmy(int nation, int army, int state);

// The army's name goes back on its nation's list (only the Union and the
// Confederacy keep one), and the army is left with a blank name.
void ReleaseArmyName(TArmy& army, int nation);
