#pragma once

#include <string>

#include "platform/forms/form.h"

// What a control is asked, in CM_HINTSHOW, before its hint shows: it may
// change the text (empty for no hint) and where the hint's corner goes.
struct THintInfo {
  TPoint CursorPos;  // the pointer, in the control's client coordinates
  std::string HintStr;
  TPoint HintPos;  // on the screen
};

// A small framed text shown above every form, for a hint or the full text of
// a cut-off row. It leaves the keyboard with the form that has it; a press
// on the hint only hides it.
class THintWindow : public TForm {
 public:
  explicit THintWindow(TComponent* owner = nullptr);

  // The size the text needs, wrapped at `max_width` pixels, frame included.
  TRect CalcHintRect(int max_width, const std::string& text) const;
  // Shows `text` at a screen rectangle, leaving the keyboard where it was.
  void ActivateHint(const TRect& rect, const std::string& text);
  void ReleaseHandle() { Hide(); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
};
