#pragma once
// The probe sheets fill every cell with one flat colour that names the sheet and
// the cell's top-left corner, so a test of the map's drawing can read back which
// cell was copied where. Pixels outside every cell stay black, which no cell uses.
#include <optional>

#include "platform/graphics/types.h"
#include "tools/sprites/sprite_layout.h"

struct ProbeCell {
  SpriteSheet sheet;
  TPoint corner;

  friend bool operator==(const ProbeCell&, const ProbeCell&) = default;
};

TColor ProbeColour(SpriteSheet sheet, TPoint corner);
std::optional<ProbeCell> DecodeProbe(TColor colour);
