#include "platform/graphics/region.h"

#include <algorithm>

namespace {

// The parts of r outside hole: the band above, the band below, and the
// pieces left and right between them.
void AppendOutside(const TRect& r, const TRect& hole, std::vector<TRect>& out) {
  const TRect common = r.Intersect(hole);
  if (common.IsEmpty()) {
    out.push_back(r);
    return;
  }
  const TRect pieces[] = {
      {r.Left, r.Top, r.Right, common.Top},
      {r.Left, common.Bottom, r.Right, r.Bottom},
      {r.Left, common.Top, common.Left, common.Bottom},
      {common.Right, common.Top, r.Right, common.Bottom},
  };
  for (const TRect& piece : pieces) {
    if (!piece.IsEmpty()) out.push_back(piece);
  }
}

}  // namespace

TRegion::TRegion(const TRect& rect) {
  if (!rect.IsEmpty()) rects_.push_back(rect);
}

TRegion TRegion::Everywhere() {
  constexpr int kFar = 1 << 28;
  return TRegion({-kFar, -kFar, kFar, kFar});
}

void TRegion::Intersect(const TRect& rect) {
  std::vector<TRect> kept;
  for (const TRect& r : rects_) {
    const TRect common = r.Intersect(rect);
    if (!common.IsEmpty()) kept.push_back(common);
  }
  rects_ = std::move(kept);
}

void TRegion::Exclude(const TRect& hole) {
  if (hole.IsEmpty()) return;
  std::vector<TRect> kept;
  for (const TRect& r : rects_) AppendOutside(r, hole, kept);
  rects_ = std::move(kept);
}

// Adds the parts of rect that the region does not hold yet.
void TRegion::Unite(const TRect& rect) {
  if (rect.IsEmpty()) return;
  std::vector<TRect> added{rect};
  for (const TRect& r : rects_) {
    std::vector<TRect> rest;
    for (const TRect& piece : added) AppendOutside(piece, r, rest);
    added = std::move(rest);
  }
  rects_.insert(rects_.end(), added.begin(), added.end());
}

bool TRegion::Contains(TPoint p) const {
  return std::any_of(rects_.begin(), rects_.end(), [p](const TRect& r) { return r.Contains(p); });
}

std::vector<TRect> TRegion::Within(const TRect& bounds) const {
  std::vector<TRect> parts;
  for (const TRect& r : rects_) {
    const TRect common = r.Intersect(bounds);
    if (!common.IsEmpty()) parts.push_back(common);
  }
  return parts;
}

TRect TRegion::BoundingBox() const {
  if (rects_.empty()) return {};
  TRect box = rects_.front();
  for (const TRect& r : rects_) {
    box = {std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right),
           std::max(box.Bottom, r.Bottom)};
  }
  return box;
}
