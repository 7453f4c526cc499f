#include "warfare/naval_combat.h"

// Will fight out the engagement and book the ships sunk and damaged.
void ResolveNavalCombat(int) {}
