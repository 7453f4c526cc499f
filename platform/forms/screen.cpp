#include "platform/forms/screen.h"

#include <algorithm>

#include "platform/components/focus.h"
#include "platform/components/painting.h"
#include "platform/forms/application.h"
#include "platform/forms/backend.h"
#include "platform/forms/form.h"
#include "platform/input/mouse.h"

TScreen Screen;

namespace {

void PresentScreen() {
  Screen.PaintAndPresent(Application.Backend());
}

}  // namespace

TScreen::TScreen() : frame_(kWidth, kHeight) {
  SetPresenter(&PresentScreen);
}

// The pointer changes at once: the hourglass must show before a long turn
// starts, not at the next mouse move.
void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  UpdateCursor(Application.Backend());
}

TCursor TScreen::EffectiveCursor() const {
  if (cursor_ != crDefault) return cursor_;
  const TControl* control = GetCapture() ? GetCapture() : ControlUnderMouse();
  for (; control; control = control->Parent()) {
    if (control->Cursor() != crDefault) return control->Cursor();
  }
  return crArrow;
}

void TScreen::UpdateCursor(TBackend& backend) {
  const TCursor cursor = EffectiveCursor();
  if (cursor == shown_cursor_) return;
  shown_cursor_ = cursor;
  backend.SetCursorShape(cursor);
}

TForm* TScreen::ActiveForm() const {
  return dynamic_cast<TForm*>(ActiveRoot());
}

TForm* TScreen::InputForm(TPoint point) const {
  auto modal = std::find_if(forms_.rbegin(), forms_.rend(), [](TForm* f) { return f->Modal(); });
  if (modal != forms_.rend()) return *modal;
  auto under = std::find_if(forms_.rbegin(), forms_.rend(),
                            [point](TForm* f) { return f->FrameRect().Contains(point); });
  // Off every form the pointer still moves over the bottom one, which then
  // sees it leave.
  if (under != forms_.rend()) return *under;
  return forms_.empty() ? nullptr : forms_.front();
}

void TScreen::AddForm(TForm* form) {
  RemoveForm(form);
  // Forms that stay on top stay above any form shown after them.
  auto at = forms_.end();
  if (!form->StaysOnTop()) {
    while (at != forms_.begin() && (*(at - 1))->StaysOnTop() && !(*(at - 1))->Modal()) --at;
  }
  forms_.insert(at, form);
  layout_changed_ = true;
}

void TScreen::RemoveForm(TForm* form) {
  const auto before = forms_.size();
  std::erase(forms_, form);
  layout_changed_ = layout_changed_ || forms_.size() != before;
}

void TScreen::PaintAndPresent(TBackend& backend) {
  for (TForm* form : forms_) PaintInvalidArea(*form);
  if (!layout_changed_ && presented_generation_ == PaintGeneration()) return;
  Compose();
  presented_generation_ = PaintGeneration();
  layout_changed_ = false;
  backend.Present(frame_);
}

void TScreen::Compose() {
  TCanvas& canvas = frame_.Canvas();
  canvas.Brush.Color = clBlack;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect({0, 0, kWidth, kHeight});
  for (TForm* form : forms_) {
    form->PaintNonClient(canvas);
    canvas.Draw(form->Left(), form->Top(), *form->BackBuffer());
  }
}
