#pragma once

#include "platform/controls/caption_text.h"
#include "platform/controls/pressable_control.h"

// What check boxes and radio buttons share: a 13 x 13 mark beside a caption
// (on the left of it when Alignment is taRightJustify), pushed in while the
// mouse or Space holds it, and "pressed" by a mouse click, by Space or by
// its accelerator, each of which calls Pressed only while it is enabled.
class TMarkButton : public TPressableControl {
 public:
  explicit TMarkButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  // The DrawFrameControl state of the mark, without the pushed look.
  virtual unsigned MarkState() const = 0;

  // The accelerator moves the focus to the control before pressing it.
  void AcceleratorPressed() override;
  void Paint() override;

 private:
  TRect MarkRect() const;
  TRect TextRect() const;

  TAlignment alignment_ = TAlignment::taRightJustify;
};
