#include "widgets/check_mark.h"

#include "widgets/draw_utils.h"

TSize CheckMarkSize(const TBitmap& glyph, bool use_glyph, const TImageList* images, bool use_images,
                    TSize standard) {
  if (use_glyph && !glyph.Empty()) return {glyph.Width() / 6, glyph.Height()};
  if (use_images && images) return {images->Width(), images->Height()};
  return standard;
}

void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, const TRect& dest, const TRect& source) {
  const TColor transparent = glyph.Pixel(source.Left, source.Bottom - 1);
  DrawTransparentBitmapEx(canvas, glyph, dest.Left, dest.Top, source, transparent);
}

void DrawFlatCheckMark(TCanvas& canvas, const TRect& rect, bool soft_flat, TColor frame,
                       TColor inside) {
  if (soft_flat) {
    DrawBorder(canvas, rect, frame, inside, kKxAllSides, fbtColorLineBorder);
  } else {
    DrawFlatFrame(canvas, rect, inside, false);
  }
}

void PrepareHTMLCaption(TKxHTMLRender& render, const std::string& caption, const TFont& font,
                        TColor text_color) {
  TKxHTMLData& data = render.Data();
  data.DefaultColor = text_color;
  data.DefaultStyle = font.Style();
  data.DefaultSize = font.Size();
  data.DefaultFont = font.Name();
  data.Charset = font.Charset();
  data.DefaultBgColor = clNone;
  render.PrepareText(caption, 0, false);
}
