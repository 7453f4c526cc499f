#include "platform/controls/parent_form.h"

#include "platform/components/win_control.h"
#include "platform/forms/form.h"

TForm* GetParentForm(const TControl* control) {
  return dynamic_cast<TForm*>(RootOf(control));
}

void FocusOnPress(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed && windowed->CanFocus() && !windowed->Focused()) windowed->SetFocus();
}
