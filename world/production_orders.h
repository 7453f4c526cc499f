#pragma once
// Monthly weapon output and shipyard capacity a nation orders, paid at once
// from a theatre's supplies and half refunded when taken back.
#include <cstdint>

#include "world/le_int.h"

// What one more unit of a weapon's monthly output costs the nation.
int UnitCost(int nation, int weapon);

// Each returns whether it acted; a refused order changes nothing. An output
// at its field's limit takes no more.
bool OrderOutput(U16& output, U16& supplies, int cost);
bool CancelOutput(U16& output, U16& supplies, int cost);

// Ironclad (kind 1) or wooden (kind 2) shipbuilding capacity.
bool OrderShipyard(std::uint8_t& capacity, U16& supplies, int kind);
bool CancelShipyard(std::uint8_t& capacity, U16& supplies, int kind);
