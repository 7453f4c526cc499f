#pragma once
// How a nation shares its monthly recruits between infantry, cavalry,
// artillery and the navy (per cent each), and what it spends on bounties.
#include <cstdint>
#include <optional>
#include <string>

#include "world/realm_records.h"

int ShareTotal(const TNationRec& nation);
// One per cent more for the share while the four total below 100; false when refused.
bool RaiseShare(TNationRec& nation, int share);
bool LowerShare(TNationRec& nation, int share);

// The bounty typed by the player, held to 0..20; nothing when it is no number.
std::optional<int> TypedBounty(const std::string& text);
