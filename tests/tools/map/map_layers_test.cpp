#include "tools/map/map_layers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "tests/platform/services/temp_folder.h"
#include "tests/tools/map/map_data_fixture.h"

namespace {

TEST(MapLayers, CommittedLayersSurviveRecordAndBack) {
  const MapLayers& layers = TheCommittedMap().Layers;
  MapLayers back = LayersOfRecord(BuildMapRecord(layers, 1861));
  // The record of 1861 has no railway opened in 1862.
  MapLayers expected = layers;
  for (auto& row : expected.Rail) std::ranges::replace(row, '2', '.');
  EXPECT_EQ(back, expected);
}

TEST(MapLayers, RecordSurvivesWritingAndReadingTheLayers) {
  const TMapRecord record = BuildMapRecord(TheCommittedMap().Layers, 1863);
  const TTempFolder temp;
  const auto& folder = temp.Path();
  WriteMapLayers(LayersOfRecord(record), folder);
  const TMapRecord again = BuildMapRecord(ReadMapLayers(folder), 1863);
  EXPECT_EQ(std::memcmp(&record, &again, sizeof record), 0);
}

TEST(MapLayers, CellFieldsLandInTheirBits) {
  MapLayers layers = LayersOfRecord(TMapRecord{});
  layers.Terrain[2][4] = '6';
  layers.State[2][4] = 'k';
  layers.Owner[2][4] = '2';
  layers.Route[2][4] = 'R';
  layers.Flag7[2][4] = '7';
  layers.Rail[2][4] = '1';
  layers.Sides[2].replace(4 * 3, 3, "123");
  const TMapRecord record = BuildMapRecord(layers, 1861);
  const TMapCell& cell = record.Cell(5, 3);
  EXPECT_EQ(cell.Terrain(), 6);
  EXPECT_EQ(cell.State(), 20);
  EXPECT_EQ(cell.Owner(), 2);
  EXPECT_TRUE(cell.RouteFlag());
  EXPECT_TRUE(cell.Flag7());
  EXPECT_TRUE(cell.LinkFlag());
  EXPECT_EQ(cell.HexSideCode(1), 1);
  EXPECT_EQ(cell.HexSideCode(2), 2);
  EXPECT_EQ(cell.HexSideCode(3), 3);
}

TEST(MapLayers, DamagedLayerIsRefusedWithItsFileAndRow) {
  const TTempFolder temp;
  const auto& folder = temp.Path();
  WriteMapLayers(TheCommittedMap().Layers, folder);
  {
    std::ofstream out(folder / "terrain.txt", std::ios::app);
    out << "0\n";
  }
  EXPECT_THROW(ReadMapLayers(folder), MapDataError);
  WriteMapLayers(TheCommittedMap().Layers, folder);
  {
    std::ofstream out(folder / "owner.txt");
    for (int row = 0; row < 54; ++row) out << std::string(76, row == 9 ? '5' : '0') << '\n';
  }
  try {
    ReadMapLayers(folder);
    FAIL() << "an owner 5 was accepted";
  } catch (const MapDataError& e) {
    EXPECT_NE(std::string(e.what()).find("owner.txt:10"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ReadMapLayers(folder / "missing"), MapDataError);
}

TEST(MapLayers, TruncatedCityOrSideLineIsRefused) {
  const TTempFolder temp;
  const auto& folder = temp.Path();
  {
    std::ofstream out(folder / "cities.txt");
    out << "1 60 7 11 1 0 1656.0 191.3 New York\n2 53 12\n";
  }
  EXPECT_THROW(ReadMapCities(folder / "cities.txt"), MapDataError);
  {
    std::ofstream out(folder / "sides.txt");
    out << "54,18,3\n54,18\n";
  }
  EXPECT_THROW(ReadHexSides(folder / "sides.txt"), MapDataError);
  {
    std::ofstream out(folder / "sides.txt");
    out << "54,18,4\n";
  }
  EXPECT_THROW(ReadHexSides(folder / "sides.txt"), MapDataError);
}

}  // namespace
