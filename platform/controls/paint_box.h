#pragma once

#include "platform/components/graphic_control.h"

// An area a form draws on itself: OnPaint draws on Canvas whenever the area
// is repainted, and whatever a form draws there in between stays until then.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

  TNotifyEvent OnPaint;

 protected:
  void Paint() override {
    if (OnPaint) OnPaint(this);
  }
};
