#include "platform/controls/gauge.h"

#include <algorithm>
#include <string>

#include "platform/controls/caption_text.h"

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 100, 100);
  control_style_ &= ~(csClickEvents | csCaptureMouse);
}

void TGauge::Changed(int& field, int value) {
  if (value == field) return;
  field = value;
  progress_ = std::clamp(progress_, min_value_, std::max(min_value_, max_value_));
  Invalidate();
}

void TGauge::SetMinValue(int value) {
  Changed(min_value_, value);
}
void TGauge::SetMaxValue(int value) {
  Changed(max_value_, value);
}
void TGauge::SetProgress(int progress) {
  Changed(progress_, std::clamp(progress, min_value_, std::max(min_value_, max_value_)));
}

void TGauge::SetKind(TGaugeKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  Invalidate();
}

void TGauge::SetForeColor(TColor color) {
  if (color == fore_color_) return;
  fore_color_ = color;
  Invalidate();
}

void TGauge::SetBackColor(TColor color) {
  if (color == back_color_) return;
  back_color_ = color;
  Invalidate();
}

void TGauge::SetShowText(bool show) {
  if (show == show_text_) return;
  show_text_ = show;
  Invalidate();
}

void TGauge::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  Invalidate();
}

int TGauge::PercentDone() const {
  const int span = max_value_ - min_value_;
  if (span <= 0) return 0;
  return static_cast<int>(static_cast<long long>(progress_ - min_value_) * 100 / span);
}

TRect TGauge::FilledRect(const TRect& inside) const {
  const int span = max_value_ - min_value_;
  if (span <= 0) return {};
  const long long done = progress_ - min_value_;
  TRect filled = inside;
  if (kind_ == TGaugeKind::gkHorizontalBar) {
    filled.Right = inside.Left + static_cast<int>(done * inside.Width() / span);
  } else {
    filled.Top = inside.Bottom - static_cast<int>(done * inside.Height() / span);
  }
  return filled;
}

void TGauge::Paint() {
  TCanvas& canvas = Canvas();
  TRect inside = ClientRect();
  if (border_style_ == TBorderStyle::bsSingle) Frame3D(canvas, inside, clBlack, clBlack, 1);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = back_color_;
  canvas.FillRect(inside);
  const TRect filled = FilledRect(inside);
  if (!filled.IsEmpty()) {
    canvas.Brush.Color = fore_color_;
    canvas.FillRect(filled);
  }
  if (show_text_) DrawPercentage(canvas, inside, filled);
}

// The percentage reads over both parts of the bar: in the back colour where
// it crosses the filled part, in the font's colour over the rest.
void TGauge::DrawPercentage(TCanvas& canvas, const TRect& inside, const TRect& filled) const {
  const std::string text = std::to_string(PercentDone()) + "%";
  constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  canvas.Font.Assign(Font());
  {
    TCanvasStateGuard over_the_rest(canvas);
    canvas.ExcludeClipRect(filled);
    DrawCaptionText(canvas, text, inside, kCentred, true);
  }
  TCanvasStateGuard over_the_fill(canvas);
  canvas.IntersectClipRect(filled);
  canvas.Font.SetColor(back_color_);
  DrawCaptionText(canvas, text, inside, kCentred, true);
}
