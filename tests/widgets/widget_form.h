#pragma once
// The platform's test form, with what the control set's tests add: the
// deterministic text face and a way to find where a colour was drawn.
#include <algorithm>
#include <string>

#include "platform/text/text_face.h"
#include "tests/platform/controls/control_form.h"

class WidgetFormTest : public ControlTest {
 protected:
  WidgetFormTest() { form.SetColor(clTeal); }

  // The deterministic test face: a character is a block of 5 x 10 pixels
  // (its last column and top row left empty), so text lands exactly.
  static void UseFixedFont(TControl& control, TColor colour = clBlack) {
    TFont font;
    font.SetName(std::string(kFixedCellFontName));
    font.SetHeight(10);
    font.SetColor(colour);
    control.SetFont(font);
  }

  // The smallest rectangle holding every pixel of `colour` inside `area`.
  TRect InkOf(const TRect& area, TColor colour) {
    Application.ProcessMessages();
    const TColor rgb = ColorToRGB(colour);
    TRect ink{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y) {
      for (int x = area.Left; x < area.Right; ++x) {
        if (form.BackBuffer()->Pixel(x, y) != rgb) continue;
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
      }
    }
    return ink.IsEmpty() ? TRect{} : ink;
  }
};
