#include "platform/controls/panel.h"

#include <algorithm>

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  control_style_ =
      csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
  if (bevel == bevel_inner_) return;
  bevel_inner_ = bevel;
  Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevel_outer_) return;
  bevel_outer_ = bevel;
  Changed();
}

void TCustomPanel::SetBevelWidth(int width) {
  width = std::max(1, width);
  if (width == bevel_width_) return;
  bevel_width_ = width;
  Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  Changed();
}

void TCustomPanel::SetBorderWidth(int width) {
  width = std::max(0, width);
  if (width == border_width_) return;
  border_width_ = width;
  Changed();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

int TCustomPanel::FrameThickness() const {
  int thickness = border_width_ + (border_style_ == TBorderStyle::bsSingle ? 1 : 0);
  if (bevel_outer_ != TPanelBevel::bvNone) thickness += bevel_width_;
  if (bevel_inner_ != TPanelBevel::bvNone) thickness += bevel_width_;
  return thickness;
}

void TCustomPanel::AlignControls(TRect& rect) {
  const int thickness = FrameThickness();
  rect.Inflate(-thickness, -thickness);
  TCustomControl::AlignControls(rect);
}

// A space bevel takes its room in the panel's own colour.
void TCustomPanel::DrawBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel) const {
  switch (bevel) {
    case TPanelBevel::bvRaised:
      Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, bevel_width_);
      break;
    case TPanelBevel::bvLowered:
      Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, bevel_width_);
      break;
    case TPanelBevel::bvSpace:
      Frame3D(canvas, rect, Color(), Color(), bevel_width_);
      break;
    case TPanelBevel::bvNone:
      break;
  }
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  if (border_style_ == TBorderStyle::bsSingle)
    Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
  DrawBevel(canvas, rect, bevel_outer_);
  Frame3D(canvas, rect, Color(), Color(), border_width_);
  DrawBevel(canvas, rect, bevel_inner_);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(rect);
  canvas.Font.Assign(Font());
  DrawCaptionText(canvas, Caption(), rect, AlignmentFlags(alignment_) | DT_VCENTER | DT_SINGLELINE,
                  Enabled());
}
