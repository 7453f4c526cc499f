#pragma once

#include "platform/components/custom_control.h"

// A container framed by an etched line, its caption set into the top edge.
// Aligned children fill the area inside the frame, below the caption.
class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void Paint() override;
  void AlignControls(TRect& rect) override;
  void WndProc(TMessage& message) override;

  int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};
