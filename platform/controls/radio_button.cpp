#include "platform/controls/radio_button.h"

#include "platform/components/win_control.h"
#include "platform/graphics/frame_control.h"

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
  if (!checked) return;
  UncheckSiblings();
  Click();
}

void TRadioButton::UncheckSiblings() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (sibling && sibling != this) sibling->SetChecked(false);
  }
}

unsigned TRadioButton::MarkState() const {
  return DFCS_BUTTONRADIO | (checked_ ? DFCS_CHECKED : 0);
}
