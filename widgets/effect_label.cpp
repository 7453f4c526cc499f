#include "widgets/effect_label.h"

#include <cmath>

#include "platform/components/painting.h"
#include "platform/controls/caption_text.h"

namespace {

struct Step {
  int dx;
  int dy;
};

// The direction each extrusion copy moves in, one pixel per step.
constexpr Step kExtrudeSteps[] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                  {1, 0},  {1, 1},   {0, 1},  {-1, 1}};
// The outline is the text drawn at the four diagonal neighbours first.
constexpr Step kOutlineOffsets[] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};

bool Measuring(unsigned flags) {
  return (flags & DT_CALCRECT) != 0;
}

// Draws (or measures) `text` at `rect` moved by `step`, in `colour`.
void DrawShifted(TCanvas& canvas, const std::string& text, const TRect& rect, Step step,
                 unsigned flags, TColor colour) {
  TRect at = rect;
  at.Offset(step.dx, step.dy);
  canvas.Font.SetColor(colour);
  canvas.DrawText(text, at, flags);
}

}  // namespace

void TKxCustomLabel::Loaded() {
  TLabel::Loaded();
  if (ParentColor()) {
    SetParentColor(false);
    SetParentColor(true);
  }
}

TKxLabel::TKxLabel(TComponent* owner) : TKxCustomLabel(owner) {}

void TKxLabel::SetCaption(const std::string& caption) {
  SetText(caption);
}

void TKxLabel::SetAutoSize(bool auto_size) {
  if (auto_size == AutoSize()) return;
  TKxCustomLabel::SetAutoSize(auto_size);
  AdjustSize();
}

void TKxLabel::SetAlignment(TAlignment alignment) {
  TKxCustomLabel::SetAlignment(alignment);
  AdjustSize();
}

void TKxLabel::SetWordWrap(bool word_wrap) {
  TKxCustomLabel::SetWordWrap(word_wrap);
  AdjustSize();
}

void TKxLabel::SetEffect(TKxLabelEffectStyle effect) {
  if (effect == effect_) return;
  effect_ = effect;
  AdjustSize();
  Invalidate();
}

void TKxLabel::SetStyle(TKxLabelTextStyle style) {
  if (style == style_) return;
  style_ = style;
  AdjustSize();
  Invalidate();
}

void TKxLabel::SetDepth(int depth) {
  if (depth < 0 || depth == depth_) return;
  depth_ = depth;
  if (effect_ != lesExtrude) return;
  AdjustSize();
  Invalidate();
}

void TKxLabel::SetExtrudePosition(TKxLabelExtrudePosition position) {
  if (position == extrude_position_) return;
  extrude_position_ = position;
  if (effect_ != lesExtrude) return;
  AdjustSize();
  Invalidate();
}

void TKxLabel::Loaded() {
  TKxCustomLabel::Loaded();
  AdjustSize();
}

// The platform label sizes itself to its bare text; this one then takes
// the size of the text with its style and effect.
void TKxLabel::WndProc(TMessage& message) {
  TKxCustomLabel::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustSize();
}

unsigned TKxLabel::DrawFlags() const {
  return (WordWrap() ? DT_WORDBREAK : 0u) | DT_EXPANDTABS | AlignmentFlags(Alignment());
}

// An empty caption, or a lone accelerator mark, still measures one line.
std::string TKxLabel::PreparedText(unsigned flags) const {
  std::string text = Caption();
  if (Measuring(flags) && (text.empty() || (ShowAccelChar() && text == "&"))) text += ' ';
  return text;
}

void TKxLabel::Paint() {
  const TRect client = ClientRect();
  buffer_.SetSize(client.Width(), client.Height());
  TCanvas& canvas = buffer_.Canvas();
  canvas.CopyRect(client, Canvas(), client);
  if (!Transparent()) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
  }
  canvas.Brush.Style = bsClear;

  const unsigned flags = DrawFlags();
  TRect r = client;
  if (Layout() != TTextLayout::tlTop) {
    TRect measured = r;
    TCanvas measure;
    DrawOrMeasure(measure, measured, flags | DT_CALCRECT);
    const int room = client.Height() - measured.Bottom;
    r.Offset(0, Layout() == TTextLayout::tlBottom ? room : room / 2);
  }
  DrawOrMeasure(canvas, r, flags);
  Canvas().Draw(0, 0, buffer_);
}

void TKxLabel::DrawOrMeasure(TCanvas& canvas, TRect& rect, unsigned flags) {
  if (effect_ == lesNone) {
    DrawLabelText(canvas, rect, flags);
    return;
  }
  TRect effect = rect;
  TRect text = rect;
  DrawEffectText(canvas, effect, flags);
  DrawLabelText(canvas, text, flags);
  rect = UnionRect(effect, text);
}

void TKxLabel::DrawLabelText(TCanvas& canvas, TRect& rect, unsigned flags) {
  const std::string text = PreparedText(flags);
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  TCanvasStateGuard guard(canvas);
  canvas.Font.Assign(Font());
  if (!Enabled()) {
    DrawDisabledText(canvas, rect, flags, text);
    return;
  }
  if (Measuring(flags)) {
    canvas.DrawText(text, rect, flags);
    if (style_ != ltsNormal) rect.Inflate(1, 1);
    return;
  }
  const TColor font_colour = Font().Color();
  switch (style_) {
    case ltsNormal:
      break;
    case ltsEmbossed:
      DrawShifted(canvas, text, rect, {-1, -1}, flags, light_color_);
      DrawShifted(canvas, text, rect, {1, 1}, flags, dark_color_);
      break;
    case ltsRecessed:
      DrawShifted(canvas, text, rect, {-1, -1}, flags, dark_color_);
      DrawShifted(canvas, text, rect, {1, 1}, flags, light_color_);
      break;
    case ltsOutlined:
      for (Step offset : kOutlineOffsets) {
        DrawShifted(canvas, text, rect, offset, flags, outline_color_);
      }
      break;
  }
  DrawShifted(canvas, text, rect, {0, 0}, flags, font_colour);
}

// A disabled label is drawn in the system's disabled look whatever its style.
void TKxLabel::DrawDisabledText(TCanvas& canvas, TRect& rect, unsigned flags,
                                const std::string& text) {
  if (Measuring(flags)) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  DrawShifted(canvas, text, rect, {1, 1}, flags, clBtnHighlight);
  DrawShifted(canvas, text, rect, {0, 0}, flags, clBtnShadow);
}

void TKxLabel::DrawEffectText(TCanvas& canvas, TRect& rect, unsigned flags) {
  const std::string text = PreparedText(flags);
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  TCanvasStateGuard guard(canvas);
  canvas.Font.Assign(Font());
  if (effect_ == lesShadow) {
    rect.Offset(x_offset_, y_offset_);
    canvas.Font.SetColor(shadow_color_);
    canvas.DrawText(text, rect, flags);
    return;
  }
  if (effect_ != lesExtrude) return;
  const Step step = kExtrudeSteps[extrude_position_];
  if (Measuring(flags)) {
    canvas.DrawText(text, rect, flags);
    TRect far = rect;
    far.Offset(step.dx * depth_, step.dy * depth_);
    rect = UnionRect(rect, far);
    return;
  }
  for (int i = depth_; i >= 1; --i) {
    DrawShifted(canvas, text, rect, {step.dx * i, step.dy * i}, flags, ExtrusionColour(i));
  }
}

// The copy `step` pixels away blends from the near colour to the far one;
// a striated extrusion alternates darker and lighter bands instead.
TColor TKxLabel::ExtrusionColour(int step) const {
  const TColor near = ColorToRGB(near_color_);
  const TColor far = ColorToRGB(far_color_);
  auto channel = [&](int n, int f) {
    if (!striated_) return static_cast<int>(std::lround(n + (f - n) * step / double(depth_)));
    const int base = (f - n) / depth_ + n;
    return (step % 2 == 0 ? base * step / 4 : base * step) & 0xFF;
  };
  return RGB(channel(GetRValue(near), GetRValue(far)), channel(GetGValue(near), GetGValue(far)),
             channel(GetBValue(near), GetBValue(far)));
}

// A right-aligned label keeps its right edge as it grows or shrinks.
void TKxLabel::AdjustSize() {
  if (!AutoSize() || Loading()) return;
  TCanvas measure;
  TRect r = ClientRect();
  DrawOrMeasure(measure, r, DrawFlags() | DT_CALCRECT);
  int left = Left();
  if (Alignment() == TAlignment::taRightJustify) left += Width() - r.Width();
  SetBounds(left, Top(), r.Width(), r.Height());
}
