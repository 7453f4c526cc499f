// The pictures the build draws beside the game: sizes, water and land where the layers have
// them, and each city's mark inside its hex's box of the map picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "platform/graphics/bitmap.h"
#include "tests/tools/map/map_data_fixture.h"
#include "tools/map/map_art.h"
#include "world/hex_grid.h"

namespace {

const std::filesystem::path kGameDir = GRAYMARCH_GAME_DIR;

const TBitmap& Picture(const char* name) {
  static std::map<std::string, TBitmap> loaded;
  auto [it, fresh] = loaded.try_emplace(name);
  if (fresh) it->second.LoadFromFile((kGameDir / name).string());
  return it->second;
}

// Sea and lake: pale and bluish. River ink is darker and does not count.
bool Watery(TColor c) {
  return GetBValue(c) > GetRValue(c) + 10 && GetRValue(c) > 120;
}

bool AllAround(int x, int y, bool water) {
  const auto& terrain = TheCommittedMap().Layers.Terrain;
  for (int dir = 0; dir <= 6; ++dir) {
    const THexPos h = dir ? NeighbourHex(x, y, dir)
                          : THexPos{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)};
    if (!TMapRecord::OnMap(h.X, h.Y)) return false;
    if ((terrain[h.Y - 1][h.X - 1] == '0') != water) return false;
  }
  return true;
}

// Most of the middle of the hex shows water: a river through a land hex is not enough.
bool LooksLikeWater(const TBitmap& map, int x, int y) {
  const PointF centre = HexCentrePixel(x, y);
  int watery = 0;
  for (int dy = -3; dy <= 3; ++dy) {
    for (int dx = -3; dx <= 3; ++dx) {
      watery += Watery(map.Pixel(static_cast<int>(centre.X) + dx, static_cast<int>(centre.Y) + dy));
    }
  }
  return watery > 49 / 2;
}

TEST(MapPicture, PicturesHaveTheSizesTheWindowUses) {
  EXPECT_EQ(Picture("NEWMAP.BMP").Width(), 2128);
  EXPECT_EQ(Picture("NEWMAP.BMP").Height(), 1512);
  EXPECT_EQ(Picture("GMRSMALL.BMP").Width(), 76);
  EXPECT_EQ(Picture("GMRSMALL.BMP").Height(), 54);
}

// Hexes away from the coast, where the layers and the real shore agree. A few may differ by
// design (an island smaller than a hex in open sea, Lake Pontchartrain under the Manchac land
// hex, an estuary that the layers keep as land); a picture out of place differs everywhere.
TEST(MapPicture, OpenWaterAndInlandHexesShowWhatTheLayersSay) {
  int checked = 0;
  std::vector<std::string> differing;
  for (int y = 1; y <= 54; ++y) {
    for (int x = 1; x <= 76; ++x) {
      for (bool water : {true, false}) {
        if (!AllAround(x, y, water)) continue;
        ++checked;
        if (LooksLikeWater(Picture("NEWMAP.BMP"), x, y) != water) {
          differing.push_back(std::to_string(x) + "," + std::to_string(y));
        }
      }
    }
  }
  EXPECT_GT(checked, 2500);
  EXPECT_LE(differing.size() * 100, static_cast<std::size_t>(checked))
      << "differing hexes: " << testing::PrintToString(differing);
  for (const auto& hex : {"54,13", "30,2", "60,40", "30,20", "45,14", "35,28"}) {
    EXPECT_EQ(std::ranges::find(differing, hex), differing.end()) << hex;
  }
}

TEST(MapPicture, CityMarksSitInTheirHexBoxes) {
  for (const auto& city : TheCommittedMap().Cities) {
    const int left = (city.X - 1) * 28;
    const int top = (city.Y - 1) * 28 + (city.X % 2 == 0 ? 14 : 0);
    EXPECT_GE(city.MarkX, left) << city.Name;
    EXPECT_LT(city.MarkX, left + 31) << city.Name;
    EXPECT_GE(city.MarkY, top) << city.Name;
    EXPECT_LT(city.MarkY, top + 31) << city.Name;
    const TColor mark =
        Picture("NEWMAP.BMP").Pixel(static_cast<int>(city.MarkX), static_cast<int>(city.MarkY));
    EXPECT_GT(GetRValue(mark), GetGValue(mark) + 80) << city.Name << " has no red mark";
  }
}

TEST(MapPicture, MinimapShowsWaterExactlyWhereTheLayersHaveIt) {
  const auto& terrain = TheCommittedMap().Layers.Terrain;
  for (int y = 1; y <= 54; ++y) {
    for (int x = 1; x <= 76; ++x) {
      const TColor c = Picture("GMRSMALL.BMP").Pixel(x - 1, y - 1);
      EXPECT_EQ(GetBValue(c) > GetRValue(c) + 40, terrain[y - 1][x - 1] == '0') << x << "," << y;
    }
  }
}

}  // namespace
