#pragma once

#include "platform/components/graphic_control.h"

// A flat-bottomed tool button without a window of its own: it takes no
// focus and gives its form no modal result; a click runs OnClick.
class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void SetPressed(bool pressed);

  bool flat_ = false;
  bool pressed_ = false;
  bool held_ = false;
  bool mouse_inside_ = false;
};
