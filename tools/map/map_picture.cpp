#include "tools/map/map_picture.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "tools/map/ground_edges.h"
#include "tools/map/map_ornaments.h"
#include "tools/map/map_palette.h"
#include "tools/map/terrain_marks.h"
#include "tools/map/water_distance.h"

namespace {

// ---- land and water -------------------------------------------------------------------------

// Rings grouped by the feature (state or country) they belong to, each group read even-odd.
std::map<int, std::vector<Polyline>> RingsByFeature(const std::vector<TaggedLine>& lines) {
  std::map<int, std::vector<Polyline>> rings;
  for (const auto& line : lines) rings[line.Tags[0]].push_back(line.Points);
  return rings;
}

// A faint diagonal hatching marks land outside the war.
void HatchOutOfPlay(Picture& picture, const Coverage& mask) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if ((x + y) % 9 == 0) picture.Blend(x, y, palette::kHatch, 0.35f * mask.At(x, y));
    }
  }
}

void Unite(Coverage& land, const Coverage& shape) {
  for (int y = 0; y < land.Height(); ++y) {
    for (int x = 0; x < land.Width(); ++x)
      land.Ref(x, y) = std::max(land.Ref(x, y), shape.At(x, y));
  }
}

void Cut(Coverage& land, const Coverage& shape) {
  for (int y = 0; y < land.Height(); ++y) {
    for (int x = 0; x < land.Width(); ++x) land.Ref(x, y) *= 1 - shape.At(x, y);
  }
}

// A band of stronger colour inside the state's edge, as the colourists of printed maps laid it.
void PaintBand(Picture& picture, Coverage& scratch, const std::vector<Polyline>& rings,
               const Coverage& state, Rgb colour) {
  constexpr float kBandWidth = 9;
  for (const auto& ring : rings) {
    Polyline closed = ring;
    closed.push_back(ring.front());
    StrokeLine(scratch, closed, kBandWidth);
  }
  for (auto i : scratch.Touched()) {
    const int x = static_cast<int>(i % picture.Width());
    const int y = static_cast<int>(i / picture.Width());
    picture.Blend(x, y, colour, 0.45f * scratch.At(x, y) * state.At(x, y));
  }
  scratch.Clear();
}

// Washes each state and country over the paper, clears each lake after the land it lies on,
// and returns where the land is.
Coverage PaintLand(Picture& picture, const MapArt& art) {
  Coverage land(picture.Width(), picture.Height());
  Coverage scratch(picture.Width(), picture.Height());
  std::map<int, int> stateOf;
  for (const auto& line : art.Land) stateOf[line.Tags[0]] = line.Tags[1];
  const auto lakesAfter = RingsByFeature(art.Lakes);
  for (const auto& [id, rings] : RingsByFeature(art.Land)) {
    Coverage feature(picture.Width(), picture.Height());
    FillRings(feature, rings);
    const int state = stateOf[id];
    picture.BlendMask(feature, palette::kPaper);
    picture.BlendMask(feature, palette::StateWash(state), 0.55f);
    if (state == 0) {
      HatchOutOfPlay(picture, feature);
    } else {
      PaintBand(picture, scratch, rings, feature, palette::StateBand(state));
    }
    Unite(land, feature);
    if (auto lakes = lakesAfter.find(id); lakes != lakesAfter.end()) {
      Coverage water(picture.Width(), picture.Height());
      FillRings(water, lakes->second);
      picture.BlendMask(water, palette::kSea);
      Cut(land, water);
    }
  }
  return land;
}

// Open sea deepens away from the shore, and the engraver's water-lines follow the coast.
void PaintWater(Picture& picture, const Coverage& land) {
  const std::vector<float> distance = DistanceFromLand(land);
  constexpr float kWaterLines[] = {3.5f, 7.5f, 12.5f, 19.0f};
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const float d = distance[static_cast<std::size_t>(y) * picture.Width() + x];
      const float water = 1 - land.At(x, y);
      if (water <= 0) continue;
      picture.Blend(x, y, palette::kDeepSea, water * std::min(d / 60.0f, 1.0f));
      for (std::size_t i = 0; i < std::size(kWaterLines); ++i) {
        const float line = std::max(0.0f, 1 - std::abs(d - kWaterLines[i]) / 0.7f);
        picture.Blend(x, y, palette::kWaterLine, water * line * (0.5f - 0.1f * i));
      }
      const float shore = std::max(0.0f, 1 - std::abs(land.At(x, y) - 0.5f) * 2);
      picture.Blend(x, y, palette::kCoast, shore * 0.9f);
    }
  }
}

// A little unevenness of paper and wash, the same at every build.
void PaintGrain(Picture& picture) {
  std::uint32_t state = 2463534242u;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      const float grain = (static_cast<float>(state % 1000) / 1000.0f - 0.5f) * 0.05f;
      const float cloud = 0.025f * std::sin(x * 0.013f + std::sin(y * 0.011f) * 2) *
                          std::cos(y * 0.017f + std::sin(x * 0.007f));
      Rgb& p = picture.At(x, y);
      const float f = 1 + grain + cloud;
      p = {p.R * f, p.G * f, p.B * f};
    }
  }
}

// ---- ink ------------------------------------------------------------------------------------

void PaintBorders(Picture& picture, Coverage& scratch, const MapArt& art) {
  for (const auto& border : art.Borders) {
    StrokeLine(scratch, border.Points, 2.6f);
    picture.BlendStroke(scratch, palette::kBorder, 0.12f);
    StrokeLine(scratch, border.Points, 1.1f, {5, 3});
    picture.BlendStroke(scratch, palette::kBorder, 0.8f);
  }
}

float RiverWidth(const TaggedLine& river) {
  constexpr float kWidths[] = {0, 1.0f, 1.6f, 2.5f};
  return kWidths[std::clamp(river.Tags[0], 1, 3)];
}

Polyline RiverCourse(const TaggedLine& river) {
  return Smoothed(river.Points, 2);
}

Polyline RailwayCourse(const TaggedLine& railway) {
  return Smoothed(railway.Points, 1.5f);
}

constexpr float kTieHalf = 2.2f;
constexpr float kCityMarkWidth = 10;

void PaintRivers(Picture& picture, Coverage& scratch, const MapArt& art) {
  for (const auto& river : art.Rivers) {
    StrokeLine(scratch, RiverCourse(river), RiverWidth(river));
    picture.BlendStroke(scratch, palette::kRiver, 0.95f);
  }
}

// Railways in the old manner: a line with a cross-tie every few pixels; lines built during the
// war are drawn broken.
void PaintRailways(Picture& picture, Coverage& scratch, const MapArt& art) {
  constexpr float kTieEvery = 5;
  for (const auto& railway : art.Railways) {
    const Polyline line = RailwayCourse(railway);
    const bool wartime = railway.Tags[0] > 1861;
    StrokeLine(scratch, line, 1.3f, wartime ? Dashes{4, 3} : Dashes{});
    float carried = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
      const PointF a = line[i - 1], b = line[i];
      const float length = std::hypot(b.X - a.X, b.Y - a.Y);
      if (length <= 0) continue;
      const float nx = -(b.Y - a.Y) / length * kTieHalf, ny = (b.X - a.X) / length * kTieHalf;
      for (float s = kTieEvery - carried; s < length; s += kTieEvery) {
        const PointF p{a.X + (b.X - a.X) * s / length, a.Y + (b.Y - a.Y) * s / length};
        if (!wartime) StrokeLine(scratch, {{p.X - nx, p.Y - ny}, {p.X + nx, p.Y + ny}}, 0.8f);
      }
      carried = std::fmod(carried + length, kTieEvery);
    }
    picture.BlendStroke(scratch, palette::kRailway, 0.9f);
  }
}

void PaintCities(Picture& picture, Coverage& scratch, const MapArt& art) {
  for (const auto& city : art.Cities) {
    const PointF mark{static_cast<float>(city.MarkX), static_cast<float>(city.MarkY)};
    StrokeLine(scratch, {mark}, kCityMarkWidth);
    picture.BlendStroke(scratch, palette::kPaper, 0.6f);
    StrokeLine(scratch, {mark}, 7.5f);
    picture.BlendStroke(scratch, palette::kCityRing);
    StrokeLine(scratch, {mark}, 5.0f);
    picture.BlendStroke(scratch, palette::kCityFill);
  }
}

// Where the ground's marks must leave the paper bare, so that rivers, railways and cities
// read clearly through the forests and hills: each line and mark with a margin around it.
Coverage KeepClear(const MapArt& art) {
  constexpr float kMargin = 4;
  Coverage clear(kMapPictureWidth, kMapPictureHeight);
  for (const auto& river : art.Rivers)
    StrokeLine(clear, RiverCourse(river), RiverWidth(river) + kMargin);
  for (const auto& railway : art.Railways)
    StrokeLine(clear, RailwayCourse(railway), 2 * kTieHalf + kMargin);
  for (const auto& city : art.Cities) {
    StrokeLine(clear, {{static_cast<float>(city.MarkX), static_cast<float>(city.MarkY)}},
               kCityMarkWidth + kMargin);
  }
  return clear;
}

}  // namespace

Picture PaintMapPicture(const MapArt& art) {
  Picture picture(kMapPictureWidth, kMapPictureHeight, palette::kSea);
  Coverage scratch(picture.Width(), picture.Height());
  const Coverage land = PaintLand(picture, art);
  PaintWater(picture, land);
  DrawTerrainMarks(picture, scratch, PlaceTerrainMarks(art.Layers, land, KeepClear(art)));
  PaintBorders(picture, scratch, art);
  PaintRivers(picture, scratch, art);
  PaintRailways(picture, scratch, art);
  PaintCities(picture, scratch, art);
  DrawOrnaments(picture, scratch);
  PaintGrain(picture);
  return picture;
}

// ---- minimap ----------------------------------------------------------------------------------

namespace {

// Water, then terrain classes 1..7; out-of-play land is lighter than the Smokies' core.
constexpr Rgb kMinimapColours[] = {{74, 118, 160}, {206, 196, 136}, {70, 112, 60},
                                   {120, 100, 86}, {172, 36, 28},   {132, 110, 88},
                                   {162, 140, 92}, {140, 164, 100}};
constexpr Rgb kMinimapOutOfPlay{168, 162, 150};

char LayerAt(const LayerGrid& layer, THexPos hex) {
  return layer[hex.Y - 1][hex.X - 1];
}

Rgb MinimapColour(const MapLayers& layers, THexPos hex) {
  const char terrain = LayerAt(layers.Terrain, hex);
  if (terrain == '3' && LayerAt(layers.State, hex) == '.') return kMinimapOutOfPlay;
  return kMinimapColours[terrain - '0'];
}

// Water, cities and the land outside the war keep their hexes exactly; only the kinds of
// ground run into each other.
bool IsGround(const MapLayers& layers, THexPos hex) {
  const char terrain = LayerAt(layers.Terrain, hex);
  return terrain != '0' && terrain != '4' && (terrain != '3' || LayerAt(layers.State, hex) != '.');
}

// A hex of ground shows the ground of the map picture over its box and a little around it, so
// where two grounds meet both pixels take a share of each along the same wandering edge; a hex
// with only its own kind within two hexes keeps its colour.
Rgb MinimapHexColour(const MapLayers& layers, THexPos hex) {
  const Rgb own = MinimapColour(layers, hex);
  if (!IsGround(layers, hex)) return own;
  constexpr float kMargin = kHexBoxPixels / 4;
  constexpr int kLooks = 9;
  constexpr float kStep = (kHexBoxPixels + 2 * kMargin) / kLooks;
  const float left = (hex.X - 1) * kHexBoxPixels - kMargin;
  const float top =
      (hex.Y - 1) * kHexBoxPixels + (hex.X % 2 == 0 ? kHexBoxPixels / 2 : 0) - kMargin;
  Rgb sum;
  for (int j = 0; j < kLooks; ++j) {
    for (int i = 0; i < kLooks; ++i) {
      const auto there = GroundHexAt({left + (i + 0.5f) * kStep, top + (j + 0.5f) * kStep});
      const Rgb c = there && IsGround(layers, *there) ? MinimapColour(layers, *there) : own;
      sum = {sum.R + c.R, sum.G + c.G, sum.B + c.B};
    }
  }
  constexpr float kShare = 1.0f / (kLooks * kLooks);
  return {sum.R * kShare, sum.G * kShare, sum.B * kShare};
}

}  // namespace

Picture PaintMinimap(const MapLayers& layers) {
  Picture picture(TMapRecord::Columns, TMapRecord::Rows, {});
  for (int y = 1; y <= TMapRecord::Rows; ++y) {
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      picture.At(x - 1, y - 1) =
          MinimapHexColour(layers, {static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)});
  }
  return picture;
}
