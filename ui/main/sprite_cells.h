#pragma once
// Looks up where a counter's picture lies on the sprite sheets, from the one
// table the sheets are drawn by.
#include <optional>

#include "platform/graphics/types.h"
#include "tools/sprites/sprite_layout.h"

struct TSpriteRect {
  SpriteSheet sheet;
  TRect rect;
};

// The cell of the art for the nation holding exactly this value; nothing
// when the sheets have none.
std::optional<TSpriteRect> ExactCell(CellArt art, int nation, int value);
// The cell whose value lies nearest (an army colour past the last column
// takes the last); nothing when the sheets hold no cell of the art for the nation.
std::optional<TSpriteRect> NearestCell(CellArt art, int nation, int value);
