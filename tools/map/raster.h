#pragma once
// A small anti-aliased rasteriser for drawing the map picture: coverage masks filled from
// rings, stroked lines with optional dashes, and a floating-point colour picture to blend
// them into.
#include <cstdint>
#include <vector>

struct PointF {
  float X = 0;
  float Y = 0;
};
using Polyline = std::vector<PointF>;

struct Rgb {
  float R = 0;
  float G = 0;
  float B = 0;
};

// How much of each pixel a shape covers, 0..1.
class Coverage {
 public:
  Coverage(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  float At(int x, int y) const;
  float& Ref(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
  // Raises a pixel to at least the given coverage, remembering it for Blend.
  void Raise(int x, int y, float coverage);
  // Every pixel the strokes touched since the last Clear, as indices.
  const std::vector<std::uint32_t>& Touched() const { return touched_; }
  void Clear();

 private:
  int width_;
  int height_;
  std::vector<float> values_;
  std::vector<std::uint32_t> touched_;
};

// The rings filled by the even-odd rule; the coverage only rises (shapes unite).
void FillRings(Coverage& mask, const std::vector<Polyline>& rings);

struct Dashes {
  float On = 0;  // 0: a solid line
  float Off = 0;
};

// A line of the given width with round ends and joins, into a cleared scratch mask.
void StrokeLine(Coverage& scratch, const Polyline& line, float width, Dashes dashes = {});

// A line through the points that bends smoothly (Catmull-Rom), sampled every few pixels.
Polyline Smoothed(const Polyline& line, float spacing);

class Picture {
 public:
  Picture(int width, int height, Rgb fill);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Paints the colour over every touched pixel of the scratch mask and clears the mask.
  void BlendStroke(Coverage& scratch, Rgb colour, float opacity = 1);
  // Paints the colour over the whole picture where the mask covers it.
  void BlendMask(const Coverage& mask, Rgb colour, float opacity = 1);
  void Blend(int x, int y, Rgb colour, float amount);

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};
