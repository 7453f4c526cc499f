#include "platform/graphics/canvas.h"

#include "platform/graphics/bitmap.h"

TCanvas::TCanvas(TBitmap* target) : target_(target) {}

void TCanvas::SetTarget(TBitmap* target) {
  target_ = target;
  ResetClip();
}

void TCanvas::SaveState() {
  saved_.push_back(
      {Pen, Brush, Font, TextColor, BkColor, CopyMode, TextAlign, pen_pos_, origin_, clip_});
}

void TCanvas::RestoreState() {
  if (saved_.empty()) return;
  State& s = saved_.back();
  Pen = s.pen;
  Brush = s.brush;
  Font = s.font;
  TextColor = s.text_color;
  BkColor = s.bk_color;
  CopyMode = s.copy_mode;
  TextAlign = s.text_align;
  pen_pos_ = s.pen_pos;
  origin_ = s.origin;
  clip_ = std::move(s.clip);
  saved_.pop_back();
}

TColor TCanvas::EffectiveTextColor() const {
  return ColorToRGB(TextColor == clDefault ? Font.Color() : TextColor);
}

TColor TCanvas::EffectiveBkColor() const {
  return ColorToRGB(BkColor == clDefault ? Brush.Color : BkColor);
}

void TCanvas::SetOrigin(TPoint origin) {
  origin_ = origin;
}

TRect TCanvas::ClipRect() const {
  const TRect whole = target_ ? target_->Bounds() : TRect{};
  TRegion visible = clip_;
  visible.Intersect(whole);
  return visible.BoundingBox().Offset(-origin_.X, -origin_.Y);
}

void TCanvas::IntersectClipRect(const TRect& rect) {
  clip_.Intersect(ToDevice(rect));
}

void TCanvas::ExcludeClipRect(const TRect& rect) {
  clip_.Exclude(ToDevice(rect));
}

void TCanvas::ResetClip() {
  clip_ = TRegion::Everywhere();
}

bool TCanvas::PtVisible(TPoint p) const {
  const TPoint d = p + origin_;
  return target_ && target_->Bounds().Contains(d) && clip_.Contains(d);
}

TColor TCanvas::Pixel(int x, int y) const {
  return target_ ? target_->Pixel(x + origin_.X, y + origin_.Y) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  PlotDevice(x + origin_.X, y + origin_.Y, ColorToRGB(color));
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  if (Brush.Style == bsClear) return;
  FillDevice(ToDevice(rect), ColorToRGB(Brush.Color));
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  FrameDevice(ToDevice(rect), 1, ColorToRGB(Brush.Color));
  Changed();
}

void TCanvas::InvertRect(const TRect& rect) {
  InvertDevice(ToDevice(rect));
  Changed();
}

// Every other pixel of the ring, counted along the bitmap's own grid, so the
// dots of neighbouring focus frames line up.
void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const TRect d = ToDevice(rect);
  auto invert_dot = [this](int x, int y) {
    if ((x + y) % 2 == 0) InvertDevice({x, y, x + 1, y + 1});
  };
  for (int x = d.Left; x < d.Right; ++x) {
    invert_dot(x, d.Top);
    if (d.Bottom - 1 > d.Top) invert_dot(x, d.Bottom - 1);
  }
  for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
    invert_dot(d.Left, y);
    if (d.Right - 1 > d.Left) invert_dot(d.Right - 1, y);
  }
  Changed();
}

TRect TCanvas::ToDevice(const TRect& rect) const {
  TRect d = rect;
  return d.Offset(origin_.X, origin_.Y);
}

void TCanvas::PlotDevice(int x, int y, TColor rgb) {
  if (!target_ || !clip_.Contains({x, y})) return;
  target_->SetPixel(x, y, rgb);
}

void TCanvas::FillDevice(const TRect& rect, TColor rgb) {
  if (!target_) return;
  rgb = target_->Storable(rgb);
  for (const TRect& part : clip_.Within(rect.Intersect(target_->Bounds()))) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::fill(target_->ScanLine(y) + part.Left, target_->ScanLine(y) + part.Right, rgb);
    }
  }
}

void TCanvas::FrameDevice(const TRect& rect, int thickness, TColor rgb) {
  FillDevice({rect.Left, rect.Top, rect.Right, rect.Top + thickness}, rgb);
  FillDevice({rect.Left, rect.Bottom - thickness, rect.Right, rect.Bottom}, rgb);
  FillDevice({rect.Left, rect.Top, rect.Left + thickness, rect.Bottom}, rgb);
  FillDevice({rect.Right - thickness, rect.Top, rect.Right, rect.Bottom}, rgb);
}

void TCanvas::InvertDevice(const TRect& rect) {
  if (!target_) return;
  for (const TRect& part : clip_.Within(rect.Intersect(target_->Bounds()))) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* row = target_->ScanLine(y);
      for (int x = part.Left; x < part.Right; ++x) row[x] ^= 0xFFFFFF;
    }
  }
}

void TCanvas::Changed() {
  if (target_) target_->Changed();
}
