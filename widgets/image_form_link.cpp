#include "widgets/image_form_link.h"

#include "platform/components/win_control.h"

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

void RepaintWithChildren(TWinControl& control) {
  control.Invalidate();
  TMessage repaint{KM_REPAINTCHILDREN, 0, 0, 0};
  control.Broadcast(repaint);
}

void DrawImageFormBehind(TKxImageForm& image_form, const TControl& control, TCanvas& canvas,
                         const TRect& rect) {
  const TWinControl* under = image_form.GetRealControl();
  const TPoint offset = control.ClientOrigin() - (under ? under->ClientOrigin() : TPoint{});
  image_form.DrawBackgroundPart(canvas, rect, false, offset);
}
