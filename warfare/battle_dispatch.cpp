#include "warfare/battle_dispatch.h"

// Will open a battle or an assault on each marked hex and clear the marks.
void RunBattles() {}
