#pragma once

#include "platform/components/custom_control.h"
#include "platform/controls/caption_text.h"
#include "platform/controls/press_state.h"

// What check boxes and radio buttons share: a 13 x 13 mark beside a caption
// (on the left of it when Alignment is taRightJustify), pushed in while the
// mouse or Space holds it, and "pressed" by a mouse click, by Space or by
// its accelerator, each of which calls Pressed only while it is enabled.
class TMarkButton : public TCustomControl {
 public:
  explicit TMarkButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  // What the user's press does to the control.
  virtual void Pressed() = 0;
  // The DrawFrameControl state of the mark, without the pushed look.
  virtual unsigned MarkState() const = 0;

  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyUp(int& key, TShiftState shift) override;

 private:
  TRect MarkRect() const;
  TRect TextRect() const;

  TAlignment alignment_ = TAlignment::taRightJustify;
  TPressState press_{*this};
};
