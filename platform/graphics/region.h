#pragma once
// An area made of non-overlapping rectangles: a canvas's clip, or a shape
// built up row by row from a picture.
#include <vector>

#include "platform/graphics/types.h"

class TRegion {
 public:
  TRegion() = default;  // empty
  explicit TRegion(const TRect& rect);
  // A region larger than any bitmap: what an unclipped canvas may draw into.
  static TRegion Everywhere();

  const std::vector<TRect>& Rects() const { return rects_; }
  bool IsEmpty() const { return rects_.empty(); }

  void Intersect(const TRect& rect);
  void Exclude(const TRect& rect);
  void Unite(const TRect& rect);

  bool Contains(TPoint p) const;
  // The parts of the region inside bounds.
  std::vector<TRect> Within(const TRect& bounds) const;
  // The smallest rectangle holding the region; TRect{} when it is empty.
  TRect BoundingBox() const;

 private:
  std::vector<TRect> rects_;
};
