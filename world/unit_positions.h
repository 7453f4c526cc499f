#pragma once
// Who stands where: the small questions about corps and hexes that the route
// finder, corps movement and the turn's other rules all ask.
#include "world/force_records.h"
#include "world/hex_grid.h"

bool StandsOn(const TCorps& corps, int x, int y);
// Whether the corps is active and of another camp than `side`.
bool IsActiveEnemy(const TCorps& corps, int side);
// Whether an active corps of another camp than `side` stands on the hex.
bool EnemyCorpsOn(int x, int y, int side);
// The state of a map hex (the top bit of its state byte is no part of it); 0
// for none or off the map.
int StateAt(int x, int y);
inline int StateAt(THexPos hex) { return StateAt(hex.X, hex.Y); }
