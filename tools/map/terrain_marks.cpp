#include "tools/map/terrain_marks.h"

#include <cmath>
#include <cstdint>

#include "tools/map/map_art.h"
#include "tools/map/map_palette.h"

namespace {

enum class Ground { Bare, Woods, Forest, Hills, Mountains, HighMountains, Swamp, DeepSwamp };

// The swamps of class 5 lie in the river bottoms and along the Gulf and the Tidewater; the
// rest of the class is mountain.
bool IsSwampHex(int x, int y) {
  return y >= 27 || (x <= 22 && y >= 22) || (x == 54 && y == 20);
}

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

// A fixed sequence per hex, so the picture is the same at every build.
class HexRandom {
 public:
  HexRandom(int x, int y) : state_(static_cast<std::uint32_t>(x * 7919 + y * 104729 + 1)) {}
  float Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ % 10000) / 10000.0f;
  }

 private:
  std::uint32_t state_;
};

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

struct Scatter {
  int Count;
  float Size;
};

// How many marks of what size each kind of ground gets per hex, in the order of Ground.
constexpr Scatter kScatter[] = {{0, 0},    {3, 1.6f}, {9, 1.9f}, {3, 4.5f},
                                {3, 5.5f}, {5, 6.5f}, {4, 3.5f}, {7, 3.5f}};

Scatter ScatterOf(Ground ground) {
  return kScatter[static_cast<int>(ground)];
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

// A mark stands only where the ground under all of it is land.
bool OnLand(const Coverage& land, PointF p, float size) {
  for (float dx : {-size, 0.0f, size}) {
    for (float dy : {-size, 0.0f, size * 0.4f}) {
      if (land.At(static_cast<int>(p.X + dx), static_cast<int>(p.Y + dy)) < 0.99f) return false;
    }
  }
  return true;
}

}  // namespace

void DrawTerrainMarks(Picture& picture, Coverage& scratch, const Coverage& land,
                      const MapLayers& layers) {
  constexpr float kSpread = 13;
  for (int y = 1; y <= TMapRecord::Rows; ++y) {
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      const Ground ground = GroundOf(layers, x, y);
      const Scatter scatter = ScatterOf(ground);
      HexRandom random(x, y);
      const PointF centre = HexCentrePixel(x, y);
      for (int i = 0; i < scatter.Count; ++i) {
        const PointF p{centre.X + (random.Next() * 2 - 1) * kSpread,
                       centre.Y + (random.Next() * 2 - 1) * kSpread};
        const float size = scatter.Size * (0.8f + 0.4f * random.Next());
        if (OnLand(land, p, size)) DrawMark(picture, scratch, ground, p, size);
      }
    }
  }
}
