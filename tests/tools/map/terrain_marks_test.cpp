#include "tools/map/terrain_marks.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/tools/map/map_data_fixture.h"
#include "tools/map/ground_edges.h"
#include "tools/map/map_picture.h"

namespace {

// Land exactly where the layers have it, so that every hex box of water is water.
Coverage LandOfTheLayers(const MapLayers& layers) {
  Coverage land(kMapPictureWidth, kMapPictureHeight);
  for (int y = 0; y < land.Height(); ++y) {
    for (int x = 0; x < land.Width(); ++x) {
      const auto hex = HexUnderPixel({x + 0.5f, y + 0.5f});
      if (hex && layers.Terrain[hex->Y - 1][hex->X - 1] != '0') land.Ref(x, y) = 1;
    }
  }
  return land;
}

struct Placed {
  Coverage Land = LandOfTheLayers(TheCommittedMap().Layers);
  Coverage KeepClear{kMapPictureWidth, kMapPictureHeight};
  std::vector<TerrainMark> Marks;

  Placed() {
    // Across the Gulf pine belt and the hills and mountains of Tennessee and Virginia, one as
    // wide as a railway, two as narrow as a creek.
    StrokeLine(KeepClear, {{600, 950}, {1200, 950}}, 9);
    StrokeLine(KeepClear, {{800, 520}, {1400, 420}}, 5);
    StrokeLine(KeepClear, {{1100, 300}, {1100, 700}}, 5);
    Marks = PlaceTerrainMarks(TheCommittedMap().Layers, Land, KeepClear);
  }
};

const Placed& ThePlacedMarks() {
  static const Placed placed;
  return placed;
}

bool SameMark(const TerrainMark& a, const TerrainMark& b) {
  return a.At.X == b.At.X && a.At.Y == b.At.Y && a.Size == b.Size && a.Kind == b.Kind;
}

// Wherever an edge wanders, a mark stands within the shift of a hex of its own ground.
bool NearAHexOfItsGround(const TerrainMark& mark) {
  for (float dy : {-kMaxGroundShift, 0.0f, kMaxGroundShift}) {
    for (float dx : {-kMaxGroundShift, 0.0f, kMaxGroundShift}) {
      const auto hex = HexUnderPixel({mark.At.X + dx, mark.At.Y + dy});
      if (hex && GroundOf(TheCommittedMap().Layers, hex->X, hex->Y) == mark.Kind) return true;
    }
  }
  return false;
}

// Every pixel a mark's ink may cover, at the least: its width, and its height above its foot.
bool WhollyOn(const TerrainMark& mark, const Coverage& land, const Coverage& keepClear) {
  const int left = static_cast<int>(mark.At.X - mark.Size);
  const int right = static_cast<int>(mark.At.X + mark.Size);
  const int top = static_cast<int>(mark.At.Y - mark.Size);
  const int bottom = static_cast<int>(mark.At.Y + mark.Size * 0.4f);
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      if (land.At(x, y) < 0.99f || keepClear.At(x, y) > 0) return false;
    }
  }
  return true;
}

TEST(TerrainMarks, EveryMarkStandsOnLandNearItsOwnGroundAndClearOfLines) {
  const Placed& placed = ThePlacedMarks();
  ASSERT_GT(placed.Marks.size(), 3000u);
  for (const auto& mark : placed.Marks) {
    EXPECT_TRUE(NearAHexOfItsGround(mark)) << mark.At.X << "," << mark.At.Y;
    EXPECT_TRUE(WhollyOn(mark, placed.Land, placed.KeepClear)) << mark.At.X << "," << mark.At.Y;
  }
}

TEST(TerrainMarks, MarksAreTheSameAtEveryBuildAndDrawnFromTheTopDown) {
  const Placed& placed = ThePlacedMarks();
  const auto again = PlaceTerrainMarks(TheCommittedMap().Layers, placed.Land, placed.KeepClear);
  ASSERT_EQ(again.size(), placed.Marks.size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_TRUE(SameMark(again[i], placed.Marks[i])) << i;
    EXPECT_TRUE(i == 0 || again[i - 1].At.Y <= again[i].At.Y) << i;
  }
}

// Each kind of ground keeps about the density of marks it always had, fewer near its edges
// and on the shores: a region that lost its marks, or one crowded with them, fails.
TEST(TerrainMarks, EachKindOfGroundIsSetAsThicklyAsBefore) {
  struct Row {
    Ground Kind;
    float PerHex;  // marks per hex well inside the ground
  };
  const Row rows[] = {{Ground::Woods, 3},     {Ground::Forest, 9},        {Ground::Hills, 3},
                      {Ground::Mountains, 3}, {Ground::HighMountains, 5}, {Ground::Swamp, 4},
                      {Ground::DeepSwamp, 7}};
  const MapLayers& layers = TheCommittedMap().Layers;
  std::map<Ground, int> hexes, marks;
  for (int y = 1; y <= TMapRecord::Rows; ++y) {
    for (int x = 1; x <= TMapRecord::Columns; ++x) ++hexes[GroundOf(layers, x, y)];
  }
  for (const auto& mark : ThePlacedMarks().Marks) ++marks[mark.Kind];
  for (const auto& [kind, perHex] : rows) {
    const float density = static_cast<float>(marks[kind]) / static_cast<float>(hexes[kind]);
    EXPECT_GT(density, perHex * 0.4f) << static_cast<int>(kind);
    EXPECT_LT(density, perHex * 1.1f) << static_cast<int>(kind);
  }
}

}  // namespace
