#include "platform/controls/label.h"

#include "platform/components/win_control.h"
#include "platform/graphics/canvas.h"
#include "platform/input/keyboard.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  control_style_ |= csOpaque;
}

void TLabel::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  Changed();
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

void TLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Changed();
}

void TLabel::SetWordWrap(bool word_wrap) {
  if (word_wrap == word_wrap_) return;
  word_wrap_ = word_wrap;
  Changed();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  SetOpaque(!transparent);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == show_accel_char_) return;
  show_accel_char_ = show;
  Changed();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (control == focus_control_) return;
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = control;
  if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focus_control_) focus_control_ = nullptr;
}

unsigned TLabel::TextFlags() const {
  unsigned flags = DT_EXPANDTABS | AlignmentFlags(alignment_);
  flags |= word_wrap_ ? DT_WORDBREAK : LayoutFlags(layout_);
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

// A wrapping label keeps its width and grows downwards; any other takes the
// width of its longest line.
void TLabel::AdjustBounds() {
  if (!auto_size_ || Loading()) return;
  TCanvas measure;
  measure.Font.Assign(Font());
  TRect rect{0, 0, word_wrap_ ? Width() : 0, 0};
  const unsigned flags = (TextFlags() & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT;
  measure.DrawText(Caption().empty() ? std::string_view(" ") : Caption(), rect, flags);
  int left = Left();
  if (!word_wrap_ && alignment_ == TAlignment::taRightJustify) left += Width() - rect.Width();
  if (!word_wrap_ && alignment_ == TAlignment::taCenter) left += (Width() - rect.Width()) / 2;
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::Changed() {
  AdjustBounds();
  Invalidate();
}

void TLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Changed();
      return;
    case CM_DIALOGCHAR:
      if (focus_control_ && show_accel_char_ && Enabled() && Showing() &&
          focus_control_->CanFocus() && IsAccel(static_cast<char>(message.WParam), Caption())) {
        focus_control_->SetFocus();
        message.Result = 1;
      }
      return;
    default:
      TGraphicControl::WndProc(message);
  }
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect bounds = ClientRect();
  if (!transparent_) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(bounds);
  }
  canvas.Font.Assign(Font());
  DrawCaptionText(canvas, Caption(), bounds, TextFlags(), Enabled());
}
