#pragma once

#include "platform/components/control.h"

// A control without a window of its own: it paints on its parent's surface,
// after the parent and before the parent's windowed children, and its parent
// routes the mouse to it.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

  TCanvas& Canvas() { return ControlCanvas(); }
};
