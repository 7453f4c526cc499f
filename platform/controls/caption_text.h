#pragma once
// Caption drawing shared by every control that shows a text: where the text
// sits in its rectangle, and the classic look of a disabled caption (a white
// copy one pixel down and right under a gray one).
#include <string_view>

#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// The DrawText flags that place a text by its alignment.
unsigned AlignmentFlags(TAlignment alignment);
// The same for the vertical layout of a single line.
unsigned LayoutFlags(TTextLayout layout);

// Draws `text` in `rect` with DrawText `flags`, in the canvas font's colour
// when `enabled`, embossed gray otherwise. The canvas keeps its state.
void DrawCaptionText(TCanvas& canvas, std::string_view text, TRect rect, unsigned flags,
                     bool enabled);
