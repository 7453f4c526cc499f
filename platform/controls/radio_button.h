#pragma once

#include "platform/controls/mark_button.h"

// A radio button: one of the radio buttons sharing a parent. Checking it,
// by the user or by code, unchecks its siblings and runs OnClick; pressing
// one that is already checked, or unchecking one from code, runs nothing.
// Moving the focus onto it does not check it.
class TRadioButton : public TMarkButton {
 public:
  explicit TRadioButton(TComponent* owner) : TMarkButton(owner) {}

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 protected:
  void Pressed() override { SetChecked(true); }
  unsigned MarkState() const override;

 private:
  void UncheckSiblings();

  bool checked_ = false;
};
