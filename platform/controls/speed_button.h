#pragma once

#include "platform/components/graphic_control.h"
#include "platform/controls/press_state.h"

// A tool-bar button without a window of its own: it takes no focus and
// gives its form no modal result; a click runs OnClick.
class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TPressState press_{*this};
};
