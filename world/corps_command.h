#pragma once
// The commanders a corps answers to, read with "none" in mind: a corps or an
// army may stand without a commander, and such a commander rates 0 in every
// way and gains nothing.
#include <cstdint>
#include <string>

#include "world/force_records.h"

// The leader's record; nullptr for 0 or a number past the table.
TLeader* LeaderRecord(int leader);

// A rating of the leader (&TLeader::Combat, ...); 0 for no leader.
int LeaderRating(int leader, std::uint8_t TLeader::*rating);

// The commander of the corps' army; 0 outside an army or under none.
int ArmyCommanderOf(const TCorps& corps);

// Adds one to a leader's rating below the limit; nothing for no leader.
void RaiseLeaderRating(int leader, std::uint8_t TLeader::*rating, int limit);

// The leader's name; empty for no leader.
std::string LeaderName(int leader);

// The corps' army, 0 outside one (or for a number past the table).
int ArmyOf(const TCorps& corps);

// Whether a player, not the computer, gives the nation's orders.
bool IsHumanNation(int nation);
