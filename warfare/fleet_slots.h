#pragma once
// Where a new fleet can be raised, and which idle fleet the computer can send.
#include <cstdint>

// FindFleetSlot modes.
inline constexpr int kFreeFleetSlot = 0;
inline constexpr int kIdleTransportFleet = 1;
inline constexpr int kIdleWarFleet = 2;

// The last fleet slot in table order that fits the mode; 0 when none.
// Mode 0: a free slot (place and kind are not read).
// Modes 1 and 2 look only at active fleets of the nation's camp of the kind
// that no sea transport holds, and top up the supplies of each one they look
// at to what it needs to put to sea, chosen or not.
// Mode 1: an idle fleet with transports based at city `place` (kind 0), or in
// theatre `place` (other kinds). Mode 2: an idle fleet with sound ironclads or
// warships based in theatre `place`.
std::uint16_t FindFleetSlot(int nation, int place, int kind, int mode);
