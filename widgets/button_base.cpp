#include "widgets/button_base.h"

#include "platform/input/keyboard.h"

TKxButtonControl::TKxButtonControl(TComponent* owner) : TKxXPThemedControl(owner) {
  SetControlStyle(ControlStyle() & ~csSetCaption);
  SetColor(clBtnFace);
  Font().SetColor(clBtnText);
  SetParentFont(true);
}

void TKxButtonControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(CM_TEXTCHANGED);
}

void TKxButtonControl::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  SetControlStyle(transparent ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  RecreateWnd();
}

void TKxButtonControl::CreateParams(TKxCreateParams& params) {
  TKxXPThemedControl::CreateParams(params);
  if (transparent_) {
    params.ExStyle |= WS_EX_TRANSPARENT;
  } else {
    params.ExStyle &= ~WS_EX_TRANSPARENT;
  }
}

void TKxButtonControl::SetTextDrawType(TKxTextDrawType draw_type) {
  if (draw_type == text_draw_type_) return;
  text_draw_type_ = draw_type;
  Repaint();
}

void TKxButtonControl::SetSoftFlat(bool soft_flat) {
  if (soft_flat == soft_flat_) return;
  soft_flat_ = soft_flat;
  Invalidate();
}

void TKxButtonControl::SetSoftFlatColor(TColor& stored, TColor color) {
  if (color == stored) return;
  stored = color;
  if (soft_flat_) Invalidate();
}

void TKxButtonControl::SetSoftFlatActiveColor(TColor color) {
  SetSoftFlatColor(soft_flat_active_color_, color);
}

void TKxButtonControl::SetSoftFlatInactiveColor(TColor color) {
  SetSoftFlatColor(soft_flat_inactive_color_, color);
}

void TKxButtonControl::SetSoftFlatDownColor(TColor color) {
  SetSoftFlatColor(soft_flat_down_color_, color);
}

// A transparent control shows its parent's background, so after a move it
// repaints at once to show what lies under its new place.
void TKxButtonControl::SetBounds(int left, int top, int width, int height) {
  const bool moved = left != Left() || top != Top();
  TKxXPThemedControl::SetBounds(left, top, width, height);
  if (moved && transparent_) Repaint();
}

void TKxButtonControl::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char>(message.WParam), caption_) &&
      CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TKxXPThemedControl::WndProc(message);
}
