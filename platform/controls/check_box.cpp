#include "platform/controls/check_box.h"

#include "platform/graphics/frame_control.h"

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  Invalidate();
  Click();
}

void TCheckBox::Pressed() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(allow_grayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbUnchecked);
      break;
  }
}

unsigned TCheckBox::MarkState() const {
  switch (state_) {
    case TCheckBoxState::cbChecked:
      return DFCS_BUTTONCHECK | DFCS_CHECKED;
    case TCheckBoxState::cbGrayed:
      return DFCS_BUTTON3STATE | DFCS_CHECKED;
    case TCheckBoxState::cbUnchecked:
      break;
  }
  return DFCS_BUTTONCHECK;
}
