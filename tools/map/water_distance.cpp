#include "tools/map/water_distance.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kFar = 1e12;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The exact squared distance along one line (Felzenszwalb and Huttenlocher's lower envelope
// of parabolas).
void DistanceAlongLine(const std::vector<double>& f, std::vector<double>& out, std::vector<int>& v,
                       std::vector<double>& z) {
  const int n = static_cast<int>(f.size());
  auto meet = [&](int q, int p) {
    return ((f[q] + static_cast<double>(q) * q) - (f[p] + static_cast<double>(p) * p)) /
           (2.0 * (q - p));
  };
  int k = 0;
  v[0] = 0;
  z[0] = -kInfinity;
  z[1] = kInfinity;
  for (int q = 1; q < n; ++q) {
    double s = meet(q, v[k]);
    while (s <= z[k]) s = meet(q, v[--k]);
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = kInfinity;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const double d = q - v[k];
    out[q] = d * d + f[v[k]];
  }
}

// Runs the one-line transform over every line of the grid: columns with a point step of the
// width, rows with a point step of 1.
void TransformLines(std::vector<double>& grid, int lines, int length, std::size_t lineStep,
                    std::size_t pointStep) {
  std::vector<double> f(length), out(length), z(length + 1);
  std::vector<int> v(length);
  for (int line = 0; line < lines; ++line) {
    const std::size_t first = line * lineStep;
    for (int i = 0; i < length; ++i) f[i] = grid[first + i * pointStep];
    DistanceAlongLine(f, out, v, z);
    for (int i = 0; i < length; ++i) grid[first + i * pointStep] = out[i];
  }
}

}  // namespace

std::vector<float> DistanceFromLand(const Coverage& land) {
  const int w = land.Width();
  const int h = land.Height();
  std::vector<double> squared(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      squared[static_cast<std::size_t>(y) * w + x] = land.At(x, y) >= 0.5f ? 0 : kFar;
    }
  }
  TransformLines(squared, w, h, 1, w);
  TransformLines(squared, h, w, w, 1);
  std::vector<float> distance(squared.size());
  for (std::size_t i = 0; i < squared.size(); ++i) {
    distance[i] = static_cast<float>(std::sqrt(squared[i]));
  }
  return distance;
}
