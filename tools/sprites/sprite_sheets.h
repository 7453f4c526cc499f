#pragma once
// Draws the sprite sheets the map copies its counters from.
#include "platform/graphics/bitmap.h"
#include "tools/sprites/sprite_layout.h"

enum class SheetStyle {
  kArtwork,  // the pictures the game shows
  kProbe,    // each cell one flat colour naming it (see probe_colour.h), for tests
};

TBitmap DrawSpriteSheet(SpriteSheet sheet, SheetStyle style);
