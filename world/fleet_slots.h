#pragma once
// Where a new fleet can be raised, and which idle fleet the computer can send.
#include <cstdint>

#include "world/realm_records.h"

// FindFleetSlot modes.
inline constexpr int kFreeFleetSlot = 0;
inline constexpr int kIdleTransportFleet = 1;
inline constexpr int kIdleWarFleet = 2;

// Whether the nation may order the fleet: one of its camp, but never one that
// a player commands for another nation.
bool CommandsFleet(int nation, const TFleet& fleet);

// The last fleet slot in table order that fits the mode; 0 when none.
// Mode 0: a free slot (place and kind are not read).
// Modes 1 and 2 look only at active fleets the nation commands, of the kind
// that no sea transport holds, and top up the supplies of each one they look
// at to what it needs to put to sea, chosen or not.
// Mode 1: an idle fleet with transports based at city `place` (kind 0), or in
// theatre `place` (other kinds). Mode 2: an idle fleet with sound ironclads or
// warships based in theatre `place`.
std::uint16_t FindFleetSlot(int nation, int place, int kind, int mode);
