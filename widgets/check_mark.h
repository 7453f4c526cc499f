#pragma once
// The pieces of a check mark that the check items and the group box's
// caption check box share: its size, a cell of a custom glyph strip, the
// flat square, and the HTML caption set up from a control's font.
#include <string>

#include "platform/controls/image_list.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "widgets/html_renderer.h"

// The mark drawn: one cell of a strip of six glyphs (width div 6), an image
// of the list, or the standard mark.
TSize CheckMarkSize(const TBitmap& glyph, bool use_glyph, const TImageList* images, bool use_images,
                    TSize standard);

// Copies one cell of a glyph strip to `dest`'s top-left corner, leaving out
// the colour of the cell's bottom-left pixel.
void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, const TRect& dest, const TRect& source);

// The flat square of a check box: a line in `frame` round an inside of
// `inside` with SoftFlat, otherwise a flat frame of the inside colour.
void DrawFlatCheckMark(TCanvas& canvas, const TRect& rect, bool soft_flat, TColor frame,
                       TColor inside);

// Prepares `caption` in the renderer with the font's name, size, style and
// charset and `text_color`, on no background.
void PrepareHTMLCaption(TKxHTMLRender& render, const std::string& caption, const TFont& font,
                        TColor text_color);
