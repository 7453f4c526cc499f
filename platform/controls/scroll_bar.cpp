#include "platform/controls/scroll_bar.h"

#include <algorithm>

#include "platform/controls/button.h"
#include "platform/graphics/arrow_head.h"
#include "platform/graphics/system_colours.h"

namespace {

// A small solid triangle pointing towards the end of the bar it stands for.
// A four-row arrow centred on its button, pointing away from the track.
void DrawArrow(TCanvas& canvas, const TRect& button, TScrollBarKind kind, bool towards_end,
               TColor color) {
  const int along = towards_end ? 1 : -2;
  TPoint tip{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
  if (kind == TScrollBarKind::sbVertical) {
    tip.Y += along;
    DrawArrowHead(canvas, tip, towards_end ? TArrowDirection::adDown : TArrowDirection::adUp, 4,
                  color);
  } else {
    tip.X += along;
    DrawArrowHead(canvas, tip, towards_end ? TArrowDirection::adRight : TArrowDirection::adLeft, 4,
                  color);
  }
}

}  // namespace

int TClassicScrollBar::ButtonLength() const {
  const int length = kind_ == TScrollBarKind::sbVertical ? bounds_.Height() : bounds_.Width();
  return std::min(GetSystemMetrics(SM_CYVSCROLL), length / 2);
}

int TClassicScrollBar::TrackStart() const {
  return ButtonLength();
}

int TClassicScrollBar::TrackLength() const {
  const int length = kind_ == TScrollBarKind::sbVertical ? bounds_.Height() : bounds_.Width();
  return std::max(0, length - 2 * ButtonLength());
}

// The thumb is as long as the page is a share of everything, never shorter
// than the system's smallest thumb.
int TClassicScrollBar::ThumbLength() const {
  const int total = range_ + page_;
  if (total <= 0 || range_ <= 0) return 0;
  const int length = TrackLength() * page_ / total;
  const int smallest = GetSystemMetrics(SM_CYVTHUMB);
  if (TrackLength() < smallest) return 0;
  return std::max(length, smallest);
}

int TClassicScrollBar::ThumbOffset() const {
  if (range_ <= 0) return 0;
  return (TrackLength() - ThumbLength()) * std::clamp(position_, 0, range_) / range_;
}

int TClassicScrollBar::PositionAtThumbOffset(int offset) const {
  const int travel = TrackLength() - ThumbLength();
  if (travel <= 0) return 0;
  return std::clamp((offset * range_ + travel / 2) / travel, 0, range_);
}

int TClassicScrollBar::TrackOffsetOf(TPoint point) const {
  const int along =
      kind_ == TScrollBarKind::sbVertical ? point.Y - bounds_.Top : point.X - bounds_.Left;
  return along - TrackStart();
}

TRect TClassicScrollBar::Span(int from, int to) const {
  if (kind_ == TScrollBarKind::sbVertical) {
    return {bounds_.Left, bounds_.Top + from, bounds_.Right, bounds_.Top + to};
  }
  return {bounds_.Left + from, bounds_.Top, bounds_.Left + to, bounds_.Bottom};
}

TRect TClassicScrollBar::LessButtonRect() const {
  return Span(0, ButtonLength());
}

TRect TClassicScrollBar::MoreButtonRect() const {
  const int end = TrackStart() + TrackLength();
  return Span(end, end + ButtonLength());
}

TRect TClassicScrollBar::ThumbRect() const {
  if (ThumbLength() == 0) return {};
  const int start = TrackStart() + ThumbOffset();
  return Span(start, start + ThumbLength());
}

TClassicScrollBar::TPart TClassicScrollBar::HitTest(TPoint point) const {
  if (!bounds_.Contains(point)) return TPart::None;
  if (LessButtonRect().Contains(point)) return TPart::LessButton;
  if (MoreButtonRect().Contains(point)) return TPart::MoreButton;
  const TRect thumb = ThumbRect();
  if (thumb.IsEmpty()) return TPart::None;
  if (thumb.Contains(point)) return TPart::Thumb;
  const bool before =
      kind_ == TScrollBarKind::sbVertical ? point.Y < thumb.Top : point.X < thumb.Left;
  return before ? TPart::PageLess : TPart::PageMore;
}

void TClassicScrollBar::Paint(TCanvas& canvas, bool enabled) const {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = cl3DLight;
  canvas.FillRect(bounds_);
  const bool active = enabled && range_ > 0;
  const TColor arrow = active ? clBtnText : clGrayText;
  DrawButtonFace(canvas, LessButtonRect(), false, false);
  DrawArrow(canvas, LessButtonRect(), kind_, false, arrow);
  DrawButtonFace(canvas, MoreButtonRect(), false, false);
  DrawArrow(canvas, MoreButtonRect(), kind_, true, arrow);
  if (active && !ThumbRect().IsEmpty()) DrawButtonFace(canvas, ThumbRect(), false, false);
}
