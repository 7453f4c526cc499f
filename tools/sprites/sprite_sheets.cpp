#include "tools/sprites/sprite_sheets.h"

#include "tools/sprites/counter_art.h"
#include "tools/sprites/probe_colour.h"

TBitmap DrawSpriteSheet(SpriteSheet sheet, SheetStyle style) {
  const TSize size = SheetSize(sheet);
  TBitmap bitmap(size.cx, size.cy);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clBlack;
  canvas.FillRect({0, 0, size.cx, size.cy});
  for (const SpriteCell& cell : SheetCells(sheet)) {
    TCanvasStateGuard guard(canvas);
    if (style == SheetStyle::kProbe) {
      canvas.Brush.Color = ProbeColour(sheet, cell.rect.TopLeft());
      canvas.FillRect(cell.rect);
      continue;
    }
    // A cell's picture can never spill into its neighbours.
    canvas.IntersectClipRect(cell.rect);
    canvas.SetOrigin(cell.rect.TopLeft());
    DrawCellArt(canvas, cell);
  }
  return bitmap;
}
