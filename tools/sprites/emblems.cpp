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

// A masonry coastal fort of the war: a low battered wall of brick with two
// tiers of gun embrasures, guns on the parapet and the flag flying over the
// middle, standing in the water of its harbour.
void Fort(EmblemPen& pen) {
  for (double v : {88.0, 95.0}) {
    for (double u = 8; u < 86; u += 12) {
      pen.Stroke({u, v}, {u + 6, v - 3}, 2.5);
      pen.Stroke({u + 6, v - 3}, {u + 12, v}, 2.5);
    }
  }
  // Two faces meet at the salient: the one seen square, and a shorter one
  // running back from it, lower as it recedes.
  pen.Shape({{4, 78}, {30, 84}, {30, 52}, {6, 54}});
  pen.Shape({{30, 84}, {96, 84}, {92, 56}, {30, 52}});
  pen.Block({30, 48}, {94, 56});
  pen.Shape({{6, 51}, {30, 48}, {30, 53}, {6, 55}});
  pen.Stroke({30, 50}, {30, 84}, 1.5, true);
  for (double u = 10; u < 28; u += 6) {
    const double drop = (30 - u) / 8;
    pen.Block({u, 62 - drop / 2}, {u + 2.5, 66 - drop / 2}, true);
    pen.Block({u, 72 - drop}, {u + 2.5, 76 - drop}, true);
  }
  for (double u = 36; u < 90; u += 8) {
    pen.Block({u, 61}, {u + 4, 66}, true);
    pen.Block({u, 72}, {u + 4, 77}, true);
  }
  pen.Stroke({30, 57}, {93, 57}, 1.2, true);
  for (double u : {14.0, 72.0}) pen.Stroke({u, 48}, {u + 10, 41}, 3.5);
  pen.Stroke({50, 48}, {50, 6}, 2.5);
  pen.Shape({{51, 6}, {64, 4}, {80, 8}, {80, 28}, {64, 24}, {51, 26}});
  for (double v : {14.0, 20.0}) pen.Stroke({60, v - 1}, {79, v + 1}, 2, true);
  pen.Block({52, 8}, {60, 16}, true);
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

// A laurel leaf: pointed at both ends, widest in the middle, with its rib.
void Leaf(EmblemPen& pen, GridPoint base, double angle, double length, double width) {
  const GridPoint along{std::sin(angle), -std::cos(angle)};
  const GridPoint side{-along.v, along.u};
  constexpr int kSteps = 6;
  std::vector<GridPoint> outline;
  for (int flank : {1, -1}) {
    for (int i = 0; i <= kSteps; ++i) {
      const double t = flank > 0 ? double(i) / kSteps : 1 - double(i) / kSteps;
      const double bulge = flank * width / 2 * std::sin(std::numbers::pi * t);
      outline.push_back({base.u + along.u * length * t + side.u * bulge,
                         base.v + along.v * length * t + side.v * bulge});
    }
  }
  pen.Shape(outline);
  pen.Stroke({base.u + along.u * length * 0.2, base.v + along.v * length * 0.2},
             {base.u + along.u * length * 0.8, base.v + along.v * length * 0.8}, 0.8, true);
}

// Two laurel branches rising from a bow at the foot and parting at the top,
// their leaves in pairs that point up the branch and shrink toward its tip.
void Wreath(EmblemPen& pen) {
  constexpr double kRadius = 36;
  constexpr int kPairs = 7;
  const auto on_ring = [](double angle, double radius) {
    return GridPoint{50 + radius * std::sin(angle), 52 - radius * std::cos(angle)};
  };
  for (int side : {-1, 1}) {
    const auto angle_at = [&](double share) {
      return std::numbers::pi + side * (0.2 + share * 2.55);
    };
    for (int step = 0; step < 12; ++step) {
      pen.Stroke(on_ring(angle_at(step / 12.0), kRadius),
                 on_ring(angle_at((step + 1) / 12.0), kRadius), 2.2);
    }
    for (int pair = 0; pair < kPairs; ++pair) {
      const double share = (pair + 0.3) / kPairs;
      const double angle = angle_at(share);
      // Up the branch is along the ring toward its tip.
      const double heading = angle + side * std::numbers::pi / 2;
      const double size = 1.0 - 0.35 * share;
      Leaf(pen, on_ring(angle, kRadius + 1), heading - side * 0.55, 17 * size, 7 * size);
      Leaf(pen, on_ring(angle, kRadius - 1), heading + side * 0.55, 17 * size, 7 * size);
    }
    Leaf(pen, on_ring(angle_at(1.0), kRadius), angle_at(1.0) + side * std::numbers::pi / 2, 13,
         5.5);
  }
  pen.Disc({45, 83}, {55, 93});
  pen.Shape({{48, 88}, {36, 80}, {34, 92}});
  pen.Shape({{52, 88}, {64, 80}, {66, 92}});
  pen.Shape({{48, 90}, {38, 97}, {44, 97}, {50, 92}});
  pen.Shape({{52, 90}, {62, 97}, {56, 97}, {50, 92}});
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
