#pragma once

#include "platform/controls/mark_button.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. A press by the user moves it to the next state (unchecked,
// checked, and grayed when AllowGrayed); every change of state, by the user
// or by code, then runs OnClick once.
class TCheckBox : public TMarkButton {
 public:
  explicit TCheckBox(TComponent* owner) : TMarkButton(owner) {}

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked) {
    SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
  }
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool allow) { allow_grayed_ = allow; }

 protected:
  void Pressed() override;
  unsigned MarkState() const override;

 private:
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allow_grayed_ = false;
};
