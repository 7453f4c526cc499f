#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"

// A shown, borderless 400 x 300 form at the top-left of the screen, in a
// fresh headless session, for controls to be placed on and driven.
class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 400, 300);
    form.Show();
  }

  template <class T>
  T* Put(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* control = new T(&form);
    control->SetParent(parent ? parent : &form);
    control->SetBounds(left, top, width, height);
    return control;
  }

  THeadlessBackend& backend() { return session.Backend(); }
  // Paints what is waiting and reads a pixel of the form's back buffer.
  TColor PixelAt(int x, int y) {
    Application.ProcessMessages();
    return form.BackBuffer()->Pixel(x, y);
  }

  THeadlessSession session;
  TForm form;
};
