#include "widgets/html_renderer.h"

#include <algorithm>
#include <cstdlib>

#include "widgets/draw_utils.h"
#include "widgets/html_parser.h"
#include "widgets/tools.h"

namespace {

// DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_BOTTOM
constexpr unsigned kMeasureFlags = DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_BOTTOM;

const TKxHTMLBreakItem& AsBreak(const TKxHTMLItem& item) {
  return static_cast<const TKxHTMLBreakItem&>(item);
}

}  // namespace

bool TKxHTMLItem::IsBreak() const {
  return Kind == hikWrapBreak || Kind == hikLineBreak || Kind == hikParagraph ||
         Kind == hikListItem;
}

void TKxHTMLItem::SetText(std::string text) {
  text_ = std::move(text);
  width_cached_ = false;
}

void TKxHTMLItem::AppendChar(char c) {
  text_ += c;
  width_cached_ = false;
}

void TKxHTMLItem::CacheWidth(int width) {
  Width = width;
  width_cached_ = true;
}

TKxHTMLData::TKxHTMLData(TKxHTMLRender* owner) : owner_(owner) {
  items_.FreeItemsAs<TKxHTMLItem>();
}

TKxHTMLRender::TKxHTMLRender()
    : data_(std::make_unique<TKxHTMLData>(this)), measure_bitmap_(1, 1) {}

TKxHTMLRender::~TKxHTMLRender() = default;

TBitmap* TKxHTMLRender::TriggerImageNeeded(const std::string& src) {
  TBitmap* image = nullptr;
  if (OnImageNeeded) OnImageNeeded(this, src, image);
  return image;
}

void TKxHTMLRender::PrepareText(const std::string& text, int max_width, bool auto_wrap) {
  data_->Items().Clear();
  data_->TextWidth = 0;
  data_->TextHeight = 0;
  try {
    TKxHTMLParser(*this, max_width, auto_wrap).Parse(text);
  } catch (const std::exception&) {
    data_->Items().Clear();
    throw std::runtime_error(kInvalidHTMLMessage);
  }
  LayOut();
}

// ---- measuring -------------------------------------------------------------

// Sub- and superscript runs are two points smaller; links take the link style.
TFont TKxHTMLRender::FontOf(const TKxHTMLItem& item) const {
  TFont font;
  font.SetName(item.FontName);
  const int size = item.IsSub || item.IsSup ? item.Size - 2 : item.Size;
  font.SetSize(std::clamp(size, kKxHTMLMinFontSize, kKxHTMLMaxFontSize));
  font.SetStyle(item.IsLink ? data_->LinkStyle : item.Style);
  font.SetCharset(data_->Charset);
  font.SetColor(item.IsLink ? data_->LinkColor : item.Color);
  return font;
}

int TKxHTMLRender::DefaultLineHeight() {
  TCanvas& canvas = MeasuringCanvas();
  canvas.Font.SetName(data_->DefaultFont);
  canvas.Font.SetSize(std::clamp(data_->DefaultSize, kKxHTMLMinFontSize, kKxHTMLMaxFontSize));
  canvas.Font.SetStyle(data_->DefaultStyle);
  canvas.Font.SetCharset(data_->Charset);
  return std::abs(canvas.TextMetrics().Height);
}

void TKxHTMLRender::Measure(TKxHTMLItem& item, bool first_piece) {
  TCanvas& canvas = MeasuringCanvas();
  canvas.Font = FontOf(item);
  const TTextMetric metrics = canvas.TextMetrics();
  item.Descent = 0;
  switch (item.Kind) {
    case hikText: {
      if (!item.HasCachedWidth()) {
        TRect extent;
        canvas.DrawText(item.Text(), extent, kMeasureFlags);
        item.CacheWidth(extent.Width() + 1);
      }
      item.Height = std::abs(metrics.Height);
      item.Descent = metrics.Descent;
      break;
    }
    case hikWrapBreak:
    case hikLineBreak:
      item.Width = 0;
      item.Height = DefaultLineHeight();
      break;
    case hikParagraph:
      item.Width = 0;
      item.Height = first_piece ? DefaultLineHeight() : MulDiv(DefaultLineHeight(), 3, 2);
      break;
    case hikListItem:
      item.Width = metrics.AveCharWidth;
      item.Height = DefaultLineHeight();
      break;
    case hikIndentProbe:
      item.Width = metrics.MaxCharWidth;
      item.Height = 0;
      break;
    case hikImage:
    case hikRule:
      break;  // sized when parsed
  }
  if (item.IsSub) item.Height += item.Height / 4;
  if (item.IsSup) item.Height += item.Height * 2 / 3;
}

// Each line: its pieces measured, its height the tallest of them, its width
// the break's indent plus the widths of the rest.
void TKxHTMLRender::LayOut() {
  int text_width = 0;
  int text_height = 0;
  int i = 0;
  while (i < data_->Count()) {
    auto& line = static_cast<TKxHTMLBreakItem&>(*data_->Item(i));
    Measure(line, i == 0);
    int width = line.Indent;
    int height = line.Height;
    int descent = 0;
    for (++i; i < data_->Count() && !data_->Item(i)->IsBreak(); ++i) {
      TKxHTMLItem& piece = *data_->Item(i);
      Measure(piece, false);
      width += piece.Width;
      height = std::max(height, piece.Height);
      descent = std::max(descent, piece.Descent);
    }
    line.Width = width;
    line.Height = height;
    line.MaxDescent = descent;
    text_width = std::max(text_width, width);
    text_height += height;
  }
  data_->TextWidth = text_width;
  data_->TextHeight = text_height;
}

// ---- painting --------------------------------------------------------------

void TKxHTMLRender::DrawText(TCanvas& canvas, TPoint origin, const TRect& rect) {
  work_bitmap_.SetSize(std::max(0, rect.Width()), std::max(0, rect.Height()));
  TCanvas& work = work_bitmap_.Canvas();
  work.ResetClip();
  work.BitBlt(0, 0, rect.Width(), rect.Height(), canvas, rect.Left, rect.Top, SRCCOPY);
  work.Pen = canvas.Pen;
  work.TextAlign = TA_BASELINE;
  work.Font.SetCharset(data_->Charset);

  const int bitmap_width = work_bitmap_.Width();
  const TKxHTMLBreakItem* line = nullptr;
  int x = 0;
  int y = 0;
  for (int i = 0; i < data_->Count(); ++i) {
    const TKxHTMLItem& piece = *data_->Item(i);
    if (piece.IsBreak()) {
      const TKxHTMLBreakItem* above = line;
      if (line) y += line->Height;
      if (y > work_bitmap_.Height() + origin.Y) break;
      line = &AsBreak(piece);
      const int w = std::max(bitmap_width, (above ? above : line)->Width);
      x = line->Alignment == 1   ? (w - 1 - line->Width) / 2
          : line->Alignment == 2 ? w - line->Width - 1
                                 : line->Indent;
      if (piece.Kind == hikListItem) PaintBullet(work, *line, x - origin.X, y - origin.Y);
      continue;
    }
    if (!line) continue;
    const int top = y - origin.Y;
    const int left = x - origin.X;
    switch (piece.Kind) {
      case hikText:
        PaintText(work, piece, left, top + line->Height - line->MaxDescent);
        break;
      case hikImage:
        PaintImage(work, piece, left, top);
        break;
      case hikRule:
        PaintRule(work, piece, *line, left, top);
        break;
      default:
        break;
    }
    x += piece.Width;
  }
  canvas.BitBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), work, 0, 0, SRCCOPY);
}

// The bullet is as wide as an average character of the item's font (the
// layout has put the line width into the break's own width). A filled circle
// whose right edge stands one pixel left of the text, centred
// between the line's descent below its top and its bottom.
void TKxHTMLRender::PaintBullet(TCanvas& canvas, const TKxHTMLBreakItem& line, int x, int top) {
  TCanvas& measure = MeasuringCanvas();
  measure.Font = FontOf(line);
  const int bullet = measure.TextMetrics().AveCharWidth;
  const int middle = (top + line.MaxDescent + top + line.Height) / 2;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = line.Color;
  canvas.Ellipse(TRect::Bounds(x - 1 - bullet, middle - bullet / 2, bullet, bullet));
}

void TKxHTMLRender::PaintText(TCanvas& canvas, const TKxHTMLItem& run, int x, int baseline) {
  canvas.Brush.Style = run.BgColor == clNone ? bsClear : bsSolid;
  if (run.BgColor != clNone) canvas.Brush.Color = run.BgColor;
  canvas.Font = FontOf(run);
  if (run.IsSup) baseline -= run.Height / 2;
  if (run.IsSub) baseline += run.Height / 4;
  canvas.TextOut(x, baseline, run.Text());
}

void TKxHTMLRender::PaintImage(TCanvas& canvas, const TKxHTMLItem& image, int x, int top) {
  const TBitmap* picture = TriggerImageNeeded(image.Text());
  if (!picture || picture->Empty()) return;
  DrawTransparentBitmapEx(canvas, *picture, x, top, TRect{0, 0, image.Width, image.Height},
                          picture->Pixel(0, picture->Height() - 1));
}

// A two-pixel etched band across the middle of its line.
void TKxHTMLRender::PaintRule(TCanvas& canvas, const TKxHTMLItem& rule,
                              const TKxHTMLBreakItem& line, int x, int top) {
  const int width = rule.Width != 0 ? rule.Width : std::max(work_bitmap_.Width(), line.Width);
  const TRect band = TRect::Bounds(x, top + line.Height / 2, width, 2);
  DrawBorderLines(canvas, band, clBtnShadow, clBtnFace, SideBit(ebsTop) | SideBit(ebsBottom));
}
