#pragma once

#include "platform/components/win_control.h"

// A windowed control that draws itself: Paint draws on Canvas after the
// background has been filled with Color.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

  TCanvas& Canvas() { return ControlCanvas(); }
};
