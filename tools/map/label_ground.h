#pragma once
// The map picture as its lettering sees it: where railways, city marks, rivers and borders
// leave ink, and which state's land lies under each pixel, each countable over a box in
// constant time so that a label can weigh thousands of places.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/graphics/types.h"
#include "tools/map/map_art.h"

// A label's box is a rectangle of pixels, right and bottom excluded.
inline bool Overlap(const TRect& a, const TRect& b) {
  return !a.Intersect(b).IsEmpty();
}
inline bool Encloses(const TRect& outer, const TRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}
inline int Area(const TRect& box) {
  return box.IsEmpty() ? 0 : box.Width() * box.Height();
}

// How many marked pixels of a window lie inside a box (a summed-area table).
class PixelTally {
 public:
  PixelTally() = default;
  PixelTally(const TRect& window, const std::vector<std::uint8_t>& marks, int stride);
  // Marked pixels of the box; the part of the box outside the window counts none.
  int Inside(const TRect& box) const;

 private:
  TRect window_;
  std::vector<int> sums_;  // (width + 1) x (height + 1), a zero row and column first
};

enum class Ink { Railway, CityMark, River, Border };
inline constexpr int kInkKinds = 4;

class LabelGround {
 public:
  LabelGround(const MapArt& art, int width, int height);

  TRect Picture() const { return {0, 0, width_, height_}; }
  int Count(Ink ink, const TRect& box) const {
    return inkTally_[static_cast<int>(ink)].Inside(box);
  }
  bool InkAt(Ink ink, int x, int y) const;
  // Pixels of the box on any land, and on the given state's land (0: land out of play).
  int Land(const TRect& box) const { return landTally_.Inside(box); }
  int StateLand(int state, const TRect& box) const;
  bool HasState(int state) const { return stateTally_.contains(state); }
  int StatePixels(int state) const { return StateLand(state, Picture()); }
  // The box round a state's land and the middle of its pixels.
  TRect StateBounds(int state) const { return stateBounds_.at(state); }
  PointF StateMiddle(int state) const { return stateMiddle_.at(state); }

 private:
  void MarkInk(Ink ink, const std::vector<Polyline>& lines, const std::vector<float>& widths);
  void MarkLand(const MapArt& art);

  int width_;
  int height_;
  std::vector<std::uint8_t> ink_[kInkKinds];
  PixelTally inkTally_[kInkKinds];
  PixelTally landTally_;
  std::map<int, PixelTally> stateTally_;
  std::map<int, TRect> stateBounds_;
  std::map<int, PointF> stateMiddle_;
};
