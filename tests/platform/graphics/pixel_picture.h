#pragma once
// Pixel pictures for drawing tests: a rectangle of a bitmap as rows of
// characters, one per pixel, so an expected drawing reads like the drawing.
#include <map>
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"

using Legend = std::map<TColor, char>;

// Each pixel becomes its legend character; colours not in the legend become '?'.
inline std::vector<std::string> Picture(const TBitmap& bitmap, const TRect& area,
                                        const Legend& legend) {
  std::vector<std::string> rows;
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::string row;
    for (int x = area.Left; x < area.Right; ++x) {
      auto it = legend.find(bitmap.Pixel(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

inline int CountPixels(const TBitmap& bitmap, const TRect& area, TColor color) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) count += bitmap.Pixel(x, y) == color;
  }
  return count;
}

inline TBitmap FilledBitmap(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Canvas().Brush.Color = color;
  bitmap.Canvas().FillRect({0, 0, width, height});
  return bitmap;
}
