// make_map_pictures DATA_FOLDER OUTPUT_FOLDER
// Checks the map of data/map/ (its layers and its drawn rivers) and draws NEWMAP.BMP and
// GMRSMALL.BMP into the output folder.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "platform/graphics/bitmap.h"
#include "tools/map/map_checker.h"
#include "tools/map/map_labels.h"
#include "tools/map/map_picture.h"
#include "tools/map/river_checks.h"

namespace {

int Channel(float value) {
  return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

TBitmap ToBitmap(const Picture& picture) {
  TBitmap bitmap(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb& p = picture.At(x, y);
      bitmap.SetPixel(x, y, RGB(Channel(p.R), Channel(p.G), Channel(p.B)));
    }
  }
  return bitmap;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_map_pictures DATA_FOLDER OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  const std::filesystem::path output = argv[2];
  try {
    const MapArt art = ReadMapArt(data);
    auto faults = CheckMap(BuildMapRecord(art.Layers, 1861), 1861, art.Cities,
                           ReadHexSides(data / "water-sides.txt"));
    std::ranges::move(CheckRiverLines(art), std::back_inserter(faults));
    for (const auto& fault : faults) std::cerr << "map: " << fault << '\n';
    if (!faults.empty()) return 1;
    std::filesystem::create_directories(output);
    TBitmap map = ToBitmap(PaintMapPicture(art));
    LetterMap(map, art.Layers, art.Cities);
    map.SaveToFile((output / "NEWMAP.BMP").string());
    ToBitmap(PaintMinimap(art.Layers)).SaveToFile((output / "GMRSMALL.BMP").string());
  } catch (const std::exception& e) {
    std::cerr << "make_map_pictures: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
