#pragma once
// The classic scroll bar a list draws along its edge: an arrow button at
// each end, a track, and a thumb whose place shows Position in 0..Range.
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TClassicScrollBar {
 public:
  enum class TPart { None, LessButton, MoreButton, PageLess, PageMore, Thumb };

  TClassicScrollBar(TScrollBarKind kind, const TRect& bounds, int position, int range, int page)
      : kind_(kind), bounds_(bounds), position_(position), range_(range), page_(page) {}

  TScrollBarKind Kind() const { return kind_; }
  int Position() const { return position_; }
  int Range() const { return range_; }
  int Page() const { return page_; }

  TRect LessButtonRect() const;
  TRect MoreButtonRect() const;
  TRect ThumbRect() const;
  TPart HitTest(TPoint point) const;
  // The position that puts the thumb's leading edge `offset` pixels into the track.
  int PositionAtThumbOffset(int offset) const;
  // Where the thumb's leading edge lies in the track now.
  int ThumbOffset() const;
  // How far along the bar a point lies, from the start of the track.
  int TrackOffsetOf(TPoint point) const;

  void Paint(TCanvas& canvas, bool enabled) const;

 private:
  int ButtonLength() const;
  int TrackStart() const;
  int TrackLength() const;
  int ThumbLength() const;
  // A rectangle across the bar from `from` to `to` along it.
  TRect Span(int from, int to) const;

  TScrollBarKind kind_;
  TRect bounds_;
  int position_;
  int range_;
  int page_;
};
