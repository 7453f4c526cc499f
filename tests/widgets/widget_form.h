#pragma once
// A shown, borderless 400 x 300 form at the top-left of the screen, in a
// fresh headless session, for the control set's controls to be placed on,
// driven and looked at pixel by pixel.
#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/text/text_face.h"

class WidgetFormTest : public ::testing::Test {
 protected:
  WidgetFormTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 400, 300);
    form.SetColor(clTeal);
    form.Show();
  }

  template <class T>
  T* Put(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* control = new T(&form);
    control->SetParent(parent ? parent : &form);
    control->SetBounds(left, top, width, height);
    return control;
  }

  // The deterministic test face: a character is a block of 5 x 10 pixels
  // (its last column and top row left empty), so text lands exactly.
  static void UseFixedFont(TControl& control, TColor colour = clBlack) {
    TFont font;
    font.SetName(std::string(kFixedCellFontName));
    font.SetHeight(10);
    font.SetColor(colour);
    control.SetFont(font);
  }

  THeadlessBackend& backend() { return session.Backend(); }
  // Paints what is waiting and reads a pixel of the form's back buffer.
  TColor PixelAt(int x, int y) {
    Application.ProcessMessages();
    return form.BackBuffer()->Pixel(x, y);
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

  THeadlessSession session;
  TForm form;
};
