#include "tools/sprites/emblems.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

struct GridPoint {
  double u, v;
};

// Emblems are designed on a 100 x 100 grid and scaled to their box.
class EmblemPen {
 public:
  EmblemPen(TCanvas& canvas, const TRect& box, TColor ink, TColor paper)
      : canvas_(canvas), box_(box), ink_(ink), paper_(paper) {}

  void Shape(const std::vector<GridPoint>& grid_points, bool paper = false) {
    std::vector<TPoint> points;
    for (GridPoint p : grid_points) points.push_back(At(p));
    Colour(paper);
    canvas_.Polygon(points);
  }
  void Stroke(GridPoint from, GridPoint to, double width, bool paper = false) {
    Colour(paper);
    canvas_.Pen.Width = std::max(1, static_cast<int>(std::lround(width * box_.Width() / 100.0)));
    const TPoint a = At(from);
    const TPoint b = At(to);
    canvas_.MoveTo(a.X, a.Y);
    canvas_.LineTo(b.X, b.Y);
    canvas_.Pen.Width = 1;
  }
  void Disc(GridPoint top_left, GridPoint bottom_right, bool paper = false) {
    Colour(paper);
    const TPoint a = At(top_left);
    const TPoint b = At(bottom_right);
    canvas_.Ellipse({a.X, a.Y, b.X, b.Y});
  }
  void Ring(GridPoint top_left, GridPoint bottom_right, double width) {
    Disc(top_left, bottom_right);
    Disc({top_left.u + width, top_left.v + width}, {bottom_right.u - width, bottom_right.v - width},
         true);
  }
  void Block(GridPoint top_left, GridPoint bottom_right, bool paper = false) {
    Colour(paper);
    const TPoint a = At(top_left);
    const TPoint b = At(bottom_right);
    canvas_.FillRect({a.X, a.Y, b.X, b.Y});
  }

 private:
  TPoint At(GridPoint p) const {
    return {box_.Left + static_cast<int>(std::lround(p.u * box_.Width() / 100.0)),
            box_.Top + static_cast<int>(std::lround(p.v * box_.Height() / 100.0))};
  }
  void Colour(bool paper) {
    const TColor colour = paper ? paper_ : ink_;
    canvas_.Pen.Color = colour;
    canvas_.Brush.Color = colour;
    canvas_.Brush.Style = bsSolid;
  }

  TCanvas& canvas_;
  TRect box_;
  TColor ink_;
  TColor paper_;
};

std::vector<GridPoint> StarPoints(GridPoint centre, double outer, double inner, int rays) {
  std::vector<GridPoint> points;
  for (int i = 0; i < 2 * rays; ++i) {
    const double angle = std::numbers::pi * i / rays;
    const double radius = i % 2 == 0 ? outer : inner;
    points.push_back({centre.u + radius * std::sin(angle), centre.v - radius * std::cos(angle)});
  }
  return points;
}

void Anchor(EmblemPen& pen) {
  pen.Ring({40, 2}, {60, 22}, 5);
  pen.Block({46, 20}, {54, 86});
  pen.Block({24, 24}, {76, 31});
  pen.Stroke({14, 58}, {30, 80}, 7);
  pen.Stroke({30, 80}, {50, 90}, 7);
  pen.Stroke({50, 90}, {70, 80}, 7);
  pen.Stroke({70, 80}, {86, 58}, 7);
  pen.Shape({{6, 52}, {22, 56}, {12, 68}});
  pen.Shape({{94, 52}, {78, 56}, {88, 68}});
}

void Cannon(EmblemPen& pen) {
  pen.Shape({{6, 40}, {84, 28}, {88, 44}, {10, 58}});
  pen.Disc({82, 26}, {94, 46});
  pen.Ring({36, 46}, {76, 86}, 6);
  pen.Stroke({56, 50}, {56, 82}, 3);
  pen.Stroke({40, 66}, {72, 66}, 3);
  pen.Stroke({10, 58}, {40, 90}, 5);
}

void Rail(EmblemPen& pen) {
  for (double v : {92.0, 74.0, 58.0, 45.0, 34.0, 25.0}) {
    const double half = 12 + 0.35 * v;
    pen.Stroke({50 - half, v}, {50 + half, v}, 3 + v / 40);
  }
  pen.Stroke({18, 98}, {44, 12}, 4);
  pen.Stroke({82, 98}, {56, 12}, 4);
}

void Fort(EmblemPen& pen) {
  pen.Block({20, 34}, {80, 96});
  for (double u : {20.0, 36.0, 52.0, 68.0}) pen.Block({u, 22}, {u + 12, 36});
  pen.Disc({38, 64}, {62, 90}, true);
  pen.Block({38, 78}, {62, 97}, true);
  pen.Stroke({50, 22}, {50, 2}, 2);
  pen.Shape({{51, 2}, {72, 8}, {51, 14}});
}

void Torch(EmblemPen& pen) {
  pen.Shape({{44, 96}, {56, 96}, {60, 52}, {40, 52}});
  pen.Shape(
      {{50, 2}, {62, 22}, {72, 14}, {68, 40}, {60, 50}, {40, 50}, {32, 40}, {28, 16}, {38, 24}});
  pen.Shape({{50, 22}, {57, 36}, {52, 46}, {46, 46}, {43, 36}}, true);
}

void Flag(EmblemPen& pen) {
  pen.Stroke({18, 4}, {18, 98}, 4);
  pen.Shape({{20, 8}, {48, 2}, {78, 10}, {94, 6}, {94, 50}, {78, 54}, {48, 46}, {20, 52}});
  for (double v : {18.0, 30.0, 42.0}) pen.Stroke({40, v}, {92, v - 2}, 3, true);
  pen.Block({21, 10}, {40, 28}, true);
}

void Wreath(EmblemPen& pen) {
  constexpr int kLeaves = 18;
  for (int leaf = 0; leaf < kLeaves; ++leaf) {
    const double angle = 2 * std::numbers::pi * leaf / kLeaves;
    if (std::abs(angle - std::numbers::pi) < 0.4) continue;  // the ribbon's gap at the foot
    const GridPoint centre{50 + 38 * std::sin(angle), 50 - 38 * std::cos(angle)};
    pen.Disc({centre.u - 8, centre.v - 6}, {centre.u + 8, centre.v + 6});
  }
  pen.Shape({{38, 86}, {62, 86}, {70, 98}, {50, 90}, {30, 98}});
}

void Newspaper(EmblemPen& pen) {
  pen.Block({12, 6}, {88, 96});
  pen.Block({16, 10}, {84, 92}, true);
  pen.Block({20, 14}, {80, 26});
  for (double v = 34; v < 88; v += 8) {
    pen.Stroke({20, v}, {46, v}, 3);
    pen.Stroke({54, v}, {80, v}, 3);
  }
}

void Dome(EmblemPen& pen) {
  pen.Block({10, 84}, {90, 96});
  for (double u = 16; u <= 84; u += 10) pen.Block({u, 60}, {u + 4, 84});
  pen.Block({12, 54}, {88, 60});
  pen.Block({32, 40}, {68, 54});
  pen.Disc({30, 18}, {70, 62});
  pen.Block({46, 6}, {54, 20});
}

void Sabres(EmblemPen& pen) {
  pen.Stroke({12, 88}, {86, 10}, 5);
  pen.Stroke({88, 88}, {14, 10}, 5);
  pen.Stroke({8, 74}, {26, 92}, 6);
  pen.Stroke({92, 74}, {74, 92}, 6);
}

void Tent(EmblemPen& pen) {
  pen.Shape({{6, 94}, {50, 12}, {94, 94}});
  pen.Shape({{40, 94}, {50, 56}, {60, 94}}, true);
  pen.Stroke({50, 12}, {50, 2}, 3);
  pen.Stroke({2, 96}, {98, 96}, 3);
}

void Chain(EmblemPen& pen) {
  pen.Ring({4, 56}, {40, 80}, 6);
  pen.Ring({32, 38}, {68, 62}, 6);
  pen.Ring({60, 20}, {96, 44}, 6);
}

}  // namespace

void DrawEmblem(TCanvas& canvas, Emblem emblem, const TRect& box, TColor ink, TColor paper) {
  EmblemPen pen(canvas, box, ink, paper);
  switch (emblem) {
    case Emblem::kStar:
      pen.Shape(StarPoints({50, 54}, 48, 19, 5));
      break;
    case Emblem::kAnchor:
      Anchor(pen);
      break;
    case Emblem::kCannon:
      Cannon(pen);
      break;
    case Emblem::kRail:
      Rail(pen);
      break;
    case Emblem::kFort:
      Fort(pen);
      break;
    case Emblem::kTorch:
      Torch(pen);
      break;
    case Emblem::kFlag:
      Flag(pen);
      break;
    case Emblem::kWreath:
      Wreath(pen);
      break;
    case Emblem::kNewspaper:
      Newspaper(pen);
      break;
    case Emblem::kDome:
      Dome(pen);
      break;
    case Emblem::kSabres:
      Sabres(pen);
      break;
    case Emblem::kTent:
      Tent(pen);
      break;
    case Emblem::kChain:
      Chain(pen);
      break;
  }
}
