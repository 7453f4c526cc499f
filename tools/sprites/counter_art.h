#pragma once
// The pictures of the sprite cells. Each routine draws one cell on a canvas
// whose origin is the cell's top-left corner and whose clip is the cell.
#include "platform/graphics/canvas.h"
#include "tools/sprites/sprite_layout.h"

void DrawCellArt(TCanvas& canvas, const SpriteCell& cell);
