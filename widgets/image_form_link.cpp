#include "widgets/image_form_link.h"

void SwitchImageForm(TComponent& control, TKxImageForm*& stored, TKxImageForm* image_form,
                     TImgFormChangeLink& link) {
  if (stored) {
    stored->UnregisterChanges(&link);
    control.RemoveFreeNotification(stored);
  }
  stored = image_form;
  if (stored) {
    stored->FreeNotification(&control);
    stored->RegisterChanges(&link);
  }
}
