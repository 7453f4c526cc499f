#pragma once
// The area a canvas may draw into: a set of non-overlapping rectangles, or
// "unbounded" when nothing has been clipped yet.
#include <vector>

#include "platform/graphics/types.h"

class TClipRegion {
 public:
  bool Unbounded() const { return unbounded_; }
  const std::vector<TRect>& Rects() const { return rects_; }

  void Intersect(const TRect& rect);
  void Exclude(const TRect& rect);
  void Reset();

  bool Contains(TPoint p) const;
  // The rectangles of the region that fall inside bounds.
  std::vector<TRect> Within(const TRect& bounds) const;
  TRect BoundingBox(const TRect& whole) const;

 private:
  bool unbounded_ = true;
  std::vector<TRect> rects_;
};
