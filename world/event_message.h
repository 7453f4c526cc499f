#pragma once
// The one pending notice: filled by the rules, shown by the main window, which
// leaves the player's pick in Choice.
#include <cstdint>

#include "world/fixed_string.h"

struct TEventMessage {
  std::uint16_t Kind;    // TEventKind: selects the form
  std::uint16_t Choice;  // option picked, 1..6; 0 none (before showing: see OptionCheckedAtStart)
  Str<40> Line1;
  Str<40> Line2;
  Str<40> Line3;
  Str<40> Line4;
};

// Option n of the notice is entry n of EventOptions.
struct TEventOption {
  std::uint8_t Present;
  Str<23> Text;
};
