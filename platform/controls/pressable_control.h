#pragma once

#include "platform/components/custom_control.h"
#include "platform/controls/press_state.h"

// What push buttons, check boxes and radio buttons share: they show pushed in
// while the mouse or Space holds them, and a completed press (a release over
// the control, a Space release or the accelerator) calls Pressed while the
// control is enabled. Losing the mouse, the focus or being disabled ends
// every hold without a press.
class TPressableControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  virtual void Pressed() = 0;
  // The accelerator presses the control; a subclass may take the focus first.
  virtual void AcceleratorPressed() { Pressed(); }

  bool Pushed() const { return press_.Pushed(); }

  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyUp(int& key, TShiftState shift) override;

 private:
  TPressState press_{*this};
};
