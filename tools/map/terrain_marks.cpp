#include "tools/map/terrain_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/map/ground_edges.h"
#include "tools/map/map_palette.h"

namespace {

// The swamps of class 5 lie in the river bottoms and along the Gulf and the Tidewater; the
// rest of the class is mountain.
bool IsSwampHex(int x, int y) {
  return y >= 27 || (x <= 22 && y >= 22) || (x == 54 && y == 20);
}

}  // namespace

Ground GroundOf(const MapLayers& layers, int x, int y) {
  const char terrain = layers.Terrain[y - 1][x - 1];
  const bool inPlay = layers.State[y - 1][x - 1] != '.';
  switch (terrain) {
    case '7':
      return Ground::Woods;
    case '2':
      return Ground::Forest;
    case '6':
      return Ground::Hills;
    case '5':
      return IsSwampHex(x, y) ? Ground::Swamp : Ground::Mountains;
    case '3':
      if (!inPlay) return Ground::Bare;
      return y >= 40 ? Ground::DeepSwamp : Ground::HighMountains;
    default:
      return Ground::Bare;
  }
}

Ground GroundAt(const MapLayers& layers, PointF p) {
  const auto hex = GroundHexAt(p);
  return hex ? GroundOf(layers, hex->X, hex->Y) : Ground::Bare;
}

namespace {

void Tree(Picture& picture, Coverage& scratch, PointF p, float radius, Rgb colour) {
  StrokeLine(scratch, {{p.X, p.Y - 0.5f}, {p.X, p.Y + 1.8f}}, 0.8f);
  picture.BlendStroke(scratch, colour, 0.7f);
  StrokeLine(scratch, {{p.X, p.Y - radius}}, 2 * radius);
  picture.BlendStroke(scratch, colour, 0.55f);
  StrokeLine(scratch, {{p.X - radius * 0.35f, p.Y - radius * 1.35f}}, radius * 0.7f);
  picture.BlendStroke(scratch, palette::kPaper, 0.25f);
}

void Hump(Picture& picture, Coverage& scratch, PointF p, float size) {
  Polyline arc;
  for (int i = 0; i <= 8; ++i) {
    const float a = 3.14159f * (1 - i / 8.0f);
    arc.push_back({p.X + size * std::cos(a), p.Y - size * 0.6f * std::sin(a)});
  }
  StrokeLine(scratch, arc, 1.0f);
  for (float dx : {-0.45f, 0.0f, 0.45f}) {
    StrokeLine(scratch, {{p.X + dx * size, p.Y - size * 0.35f}, {p.X + dx * size * 1.2f, p.Y + 1}},
               0.6f);
  }
  picture.BlendStroke(scratch, palette::kHill, 0.75f);
}

void Peak(Picture& picture, Coverage& scratch, PointF p, float size) {
  const PointF left{p.X - size, p.Y};
  const PointF top{p.X - size * 0.1f, p.Y - size * 1.15f};
  const PointF right{p.X + size, p.Y};
  StrokeLine(scratch, {top, {p.X + size * 0.45f, p.Y - size * 0.4f}}, size * 0.55f);
  picture.BlendStroke(scratch, palette::kMountain, 0.28f);
  StrokeLine(scratch, {left, top, right}, 1.1f);
  picture.BlendStroke(scratch, palette::kMountain, 0.9f);
}

void Tuft(Picture& picture, Coverage& scratch, PointF p, float size) {
  StrokeLine(scratch, {{p.X - size, p.Y}, {p.X + size, p.Y}}, 0.8f);
  StrokeLine(scratch, {{p.X - size * 0.5f, p.Y - 0.5f}, {p.X - size * 0.75f, p.Y - size * 0.9f}},
             0.7f);
  StrokeLine(scratch, {{p.X, p.Y - 0.5f}, {p.X, p.Y - size}}, 0.7f);
  StrokeLine(scratch, {{p.X + size * 0.5f, p.Y - 0.5f}, {p.X + size * 0.75f, p.Y - size * 0.9f}},
             0.7f);
  picture.BlendStroke(scratch, palette::kMarsh, 0.8f);
}

void DrawMark(Picture& picture, Coverage& scratch, Ground ground, PointF p, float size) {
  switch (ground) {
    case Ground::Woods:
      return Tree(picture, scratch, p, size, palette::kTree);
    case Ground::Forest:
      return Tree(picture, scratch, p, size, palette::kForest);
    case Ground::Hills:
      return Hump(picture, scratch, p, size);
    case Ground::Mountains:
    case Ground::HighMountains:
      return Peak(picture, scratch, p, size);
    case Ground::Swamp:
    case Ground::DeepSwamp:
      return Tuft(picture, scratch, p, size);
    case Ground::Bare:
      return;
  }
}

// How thickly each kind of ground is set with marks: one candidate to a cell of this many
// pixels (a hex box is 28), and the size of its marks, in the order of Ground.
struct Scatter {
  float Cell;
  float Size;
};
constexpr Scatter kScatter[] = {{0, 0},     {16, 1.6f},    {9.5f, 1.9f}, {16, 4.5f},
                                {16, 5.5f}, {12.5f, 6.5f}, {14, 3.5f},   {10.5f, 3.5f}};

// Marks thin out over about this distance inside the edge of their ground.
constexpr float kEdgeFade = 10;

// The share of the points around p, kEdgeFade away, that show the same ground: about a half
// on an edge, one well inside.
float Depth(const MapLayers& layers, PointF p, Ground ground) {
  int same = 0;
  constexpr int kLooks = 8;
  for (int i = 0; i < kLooks; ++i) {
    const float a = 6.2831853f * i / kLooks;
    same +=
        GroundAt(layers, {p.X + kEdgeFade * std::cos(a), p.Y + kEdgeFade * std::sin(a)}) == ground;
  }
  return static_cast<float>(same) / kLooks;
}

// How far above its foot a mark's ink reaches, in sizes: a tree's crown stands on its trunk.
float InkAbove(Ground ground) {
  switch (ground) {
    case Ground::Woods:
    case Ground::Forest:
      return 2;
    case Ground::Mountains:
    case Ground::HighMountains:
      return 1.15f;
    default:
      return 1;
  }
}

// Points from one end to the other no further apart than the narrowest line a mark must miss.
std::vector<float> Steps(float from, float to) {
  constexpr float kLookEvery = 2.5f;
  const int n = static_cast<int>(std::ceil((to - from) / kLookEvery));
  std::vector<float> steps;
  for (int k = 0; k <= n; ++k) steps.push_back(from + (to - from) * k / std::max(n, 1));
  return steps;
}

// A mark stands only where all the ground under its ink is land and no line or city is drawn.
bool StandsClear(const TerrainMark& mark, const Coverage& land, const Coverage& keepClear) {
  const PointF foot = mark.At;
  for (float py : Steps(foot.Y - mark.Size * InkAbove(mark.Kind), foot.Y + mark.Size * 0.4f)) {
    for (float px : Steps(foot.X - mark.Size, foot.X + mark.Size)) {
      const int ix = static_cast<int>(px), iy = static_cast<int>(py);
      if (land.At(ix, iy) < 0.99f || keepClear.At(ix, iy) > 0) return false;
    }
  }
  return true;
}

// One candidate in each cell of a staggered grid, shaken within its cell so the marks lie
// evenly but in no visible rows; a candidate on its own ground stays with a chance that falls
// toward the ground's edge.
void ScatterMarks(std::vector<TerrainMark>& marks, const MapLayers& layers, const Coverage& land,
                  const Coverage& keepClear, Ground ground) {
  const auto [cell, size] = kScatter[static_cast<int>(ground)];
  const auto seed = static_cast<std::uint32_t>(ground) * 4;
  for (int j = 0; j * cell < land.Height(); ++j) {
    for (int i = 0; i * cell < land.Width(); ++i) {
      const float stagger = j % 2 == 0 ? 0.25f : 0.75f;
      const PointF p{(i + stagger + 0.9f * (HashUnit(i, j, seed) - 0.5f)) * cell,
                     (j + 0.5f + 0.9f * (HashUnit(i, j, seed + 1) - 0.5f)) * cell};
      if (GroundAt(layers, p) != ground) continue;
      const float depth = Depth(layers, p, ground);
      if (HashUnit(i, j, seed + 2) >= depth * depth) continue;
      const TerrainMark mark{p, size * (0.8f + 0.4f * HashUnit(i, j, seed + 3)), ground};
      if (StandsClear(mark, land, keepClear)) marks.push_back(mark);
    }
  }
}

}  // namespace

std::vector<TerrainMark> PlaceTerrainMarks(const MapLayers& layers, const Coverage& land,
                                           const Coverage& keepClear) {
  std::vector<TerrainMark> marks;
  for (int kind = 1; kind < static_cast<int>(std::size(kScatter)); ++kind) {
    ScatterMarks(marks, layers, land, keepClear, static_cast<Ground>(kind));
  }
  // Drawn from the top down, a nearer mark overlaps the one behind it as in an engraving.
  std::ranges::stable_sort(marks, {}, [](const TerrainMark& m) { return m.At.Y; });
  return marks;
}

void DrawTerrainMarks(Picture& picture, Coverage& scratch, const std::vector<TerrainMark>& marks) {
  for (const auto& mark : marks) DrawMark(picture, scratch, mark.Kind, mark.At, mark.Size);
}
