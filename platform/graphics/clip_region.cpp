#include "platform/graphics/clip_region.h"

void TClipRegion::Intersect(const TRect& rect) {
  if (unbounded_) {
    unbounded_ = false;
    rects_.clear();
    if (!rect.IsEmpty()) rects_.push_back(rect);
    return;
  }
  std::vector<TRect> kept;
  for (const TRect& r : rects_) {
    TRect common = r.Intersect(rect);
    if (!common.IsEmpty()) kept.push_back(common);
  }
  rects_ = std::move(kept);
}

// Each rectangle that meets the hole is split into up to four pieces around
// it: the band above, the band below, and the parts left and right between.
void TClipRegion::Exclude(const TRect& hole) {
  if (hole.IsEmpty()) return;
  if (unbounded_) {
    // Nothing lies outside these limits on any bitmap we make.
    constexpr int kFar = 1 << 28;
    unbounded_ = false;
    rects_ = {{-kFar, -kFar, kFar, kFar}};
  }
  std::vector<TRect> kept;
  for (const TRect& r : rects_) {
    TRect common = r.Intersect(hole);
    if (common.IsEmpty()) {
      kept.push_back(r);
      continue;
    }
    const TRect pieces[] = {
        {r.Left, r.Top, r.Right, common.Top},
        {r.Left, common.Bottom, r.Right, r.Bottom},
        {r.Left, common.Top, common.Left, common.Bottom},
        {common.Right, common.Top, r.Right, common.Bottom},
    };
    for (const TRect& piece : pieces) {
      if (!piece.IsEmpty()) kept.push_back(piece);
    }
  }
  rects_ = std::move(kept);
}

void TClipRegion::Reset() {
  unbounded_ = true;
  rects_.clear();
}

bool TClipRegion::Contains(TPoint p) const {
  if (unbounded_) return true;
  for (const TRect& r : rects_) {
    if (r.Contains(p)) return true;
  }
  return false;
}

std::vector<TRect> TClipRegion::Within(const TRect& bounds) const {
  if (unbounded_) return bounds.IsEmpty() ? std::vector<TRect>{} : std::vector<TRect>{bounds};
  std::vector<TRect> parts;
  for (const TRect& r : rects_) {
    TRect common = r.Intersect(bounds);
    if (!common.IsEmpty()) parts.push_back(common);
  }
  return parts;
}

TRect TClipRegion::BoundingBox(const TRect& whole) const {
  std::vector<TRect> parts = Within(whole);
  if (parts.empty()) return {};
  TRect box = parts.front();
  for (const TRect& r : parts) {
    box = {std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right),
           std::max(box.Bottom, r.Bottom)};
  }
  return box;
}
