// Copies between bitmaps: raster operations, stretching, transparency and the
// colour/monochrome conversions.
#include <cstring>
#include <optional>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr TColor kRgbMask = 0xFFFFFF;

// Bits 16..23 of a raster operation list, for each combination of pattern,
// source and destination bit (index P*4 + S*2 + D), the resulting bit.
TColor ApplyRop(std::uint32_t rop, TColor pattern, TColor source, TColor dest) {
  const unsigned table = (rop >> 16) & 0xFF;
  if (table == 0xCC) return source;
  TColor result = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (((table >> i) & 1) == 0) continue;
    result |=
        ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
  }
  return result & kRgbMask;
}

struct SourceView {
  const TBitmap& bitmap;
  TRect rect;                         // in the bitmap's pixels
  TColor background;                  // colour that turns white on a monochrome target
  std::optional<TColor> transparent;  // left out when set
};

// The nearest source position for each of `length` destination positions.
std::vector<int> NearestSource(int source_start, int source_length, int length) {
  std::vector<int> map(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    map[static_cast<std::size_t>(i)] =
        source_start + static_cast<int>(static_cast<long long>(i) * source_length / length);
  }
  return map;
}

// A plain copy between colour pictures at the same size: whole rows at a
// time, of the part whose source pixels exist.
bool IsPlainCopy(const TBitmap& target, const TRect& dest, const SourceView& source,
                 std::uint32_t rop) {
  return ((rop >> 16) & 0xFF) == 0xCC && dest.Width() == source.rect.Width() &&
         dest.Height() == source.rect.Height() && !source.transparent && !target.Monochrome() &&
         !source.bitmap.Monochrome();
}

void CopyRows(TBitmap& target, const TRegion& clip, const TRect& dest, const SourceView& source) {
  const int dx = source.rect.Left - dest.Left;
  const int dy = source.rect.Top - dest.Top;
  TRect readable = source.bitmap.Bounds();
  readable.Offset(-dx, -dy);
  for (const TRect& part : clip.Within(dest.Intersect(target.Bounds()).Intersect(readable))) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::memcpy(target.ScanLine(y) + part.Left, source.bitmap.ScanLine(y + dy) + part.Left + dx,
                  sizeof(std::uint32_t) * part.Width());
    }
  }
}

// The one routine behind every blit: dest is in bitmap pixels of the target;
// each destination pixel takes the nearest source pixel.
void BlitInto(TBitmap& target, const TRegion& clip, const TRect& dest, const SourceView& source,
              std::uint32_t rop, TColor pattern, TColor text, TColor back) {
  if (dest.IsEmpty() || source.rect.IsEmpty()) return;
  if (IsPlainCopy(target, dest, source, rop)) {
    CopyRows(target, clip, dest, source);
    return;
  }
  const bool to_colour = !target.Monochrome() && source.bitmap.Monochrome();
  const bool to_mono = target.Monochrome() && !source.bitmap.Monochrome();
  const std::vector<int> columns =
      NearestSource(source.rect.Left, source.rect.Width(), dest.Width());
  const std::vector<int> rows = NearestSource(source.rect.Top, source.rect.Height(), dest.Height());
  for (const TRect& part : clip.Within(dest.Intersect(target.Bounds()))) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      const int sy = rows[static_cast<std::size_t>(y - dest.Top)];
      std::uint32_t* row = target.ScanLine(y);
      for (int x = part.Left; x < part.Right; ++x) {
        TColor s = source.bitmap.Pixel(columns[static_cast<std::size_t>(x - dest.Left)], sy);
        if (s == clNone || (source.transparent && s == *source.transparent)) continue;
        if (to_colour) s = s == clWhite ? back : text;
        if (to_mono) s = s == source.background ? clWhite : clBlack;
        row[x] = target.Storable(ApplyRop(rop, pattern, s, row[x]));
      }
    }
  }
}

}  // namespace

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  StretchDraw(TRect::Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  if (!target_ || bitmap.Empty()) return;
  const TBitmap copy = &bitmap == target_ ? bitmap : TBitmap();
  const TBitmap& from = &bitmap == target_ ? copy : bitmap;
  SourceView source{
      from, {0, 0, from.Width(), from.Height()}, from.Canvas().EffectiveBkColor(), std::nullopt};
  if (bitmap.Transparent()) source.transparent = bitmap.TransparentColor();
  BlitInto(*target_, clip_, ToDevice(dest), source, SRCCOPY, ColorToRGB(Brush.Color),
           EffectiveTextColor(), EffectiveBkColor());
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  StretchBlt(dest, source, sourceRect, CopyMode);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas& source, int sourceX,
                     int sourceY, std::uint32_t rop) {
  StretchBlt(TRect::Bounds(x, y, width, height), source,
             TRect::Bounds(sourceX, sourceY, width, height), rop);
}

void TCanvas::StretchBlt(const TRect& dest, const TCanvas& source, const TRect& sourceRect,
                         std::uint32_t rop) {
  if (!target_ || !source.target_) return;
  // A copy within one bitmap reads from a snapshot, so overlapping areas
  // move whole instead of smearing.
  const TBitmap copy = source.target_ == target_ ? *target_ : TBitmap();
  const TBitmap& from = source.target_ == target_ ? copy : *source.target_;
  TRect rect = sourceRect;
  rect.Offset(source.origin_.X, source.origin_.Y);
  const SourceView view{from, rect, source.EffectiveBkColor(), std::nullopt};
  BlitInto(*target_, clip_, ToDevice(dest), view, rop, ColorToRGB(Brush.Color),
           EffectiveTextColor(), EffectiveBkColor());
  Changed();
}

void TCanvas::PatBlt(const TRect& rect, std::uint32_t rop) {
  if (!target_) return;
  const TRect d = ToDevice(rect);
  const TColor pattern = ColorToRGB(Brush.Color);
  for (const TRect& part : clip_.Within(d.Intersect(target_->Bounds()))) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* row = target_->ScanLine(y);
      for (int x = part.Left; x < part.Right; ++x)
        row[x] = target_->Storable(ApplyRop(rop, pattern, 0, row[x]));
    }
  }
  Changed();
}
