#include "tools/map/map_art.h"

#include <sstream>

namespace {

std::vector<TaggedLine> ReadTaggedLines(const std::filesystem::path& file, int tags) {
  std::vector<TaggedLine> lines;
  int number = 0;
  for (const auto& text : ReadDataLines(file)) {
    ++number;
    std::istringstream words(text);
    TaggedLine line;
    for (int i = 0; i < tags; ++i) {
      int tag = 0;
      if (!(words >> tag)) FailAtLine(file, number, "missing number");
      line.Tags.push_back(tag);
    }
    for (std::string point; words >> point;) {
      PointF p;
      char comma = 0;
      std::istringstream coords(point);
      if (!(coords >> p.X >> comma >> p.Y) || comma != ',') {
        FailAtLine(file, number, "bad point " + point);
      }
      line.Points.push_back(p);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

MapArt ReadMapArt(const std::filesystem::path& folder) {
  const auto lines = folder / "lines";
  return MapArt{ReadMapLayers(folder),
                ReadMapCities(folder / "cities.txt"),
                ReadTaggedLines(lines / "land.txt", 2),
                ReadTaggedLines(lines / "lakes.txt", 1),
                ReadTaggedLines(lines / "borders.txt", 0),
                ReadTaggedLines(lines / "rivers.txt", 1),
                ReadTaggedLines(lines / "railways.txt", 1)};
}

std::map<int, std::vector<Polyline>> RingsByFeature(const std::vector<TaggedLine>& lines) {
  std::map<int, std::vector<Polyline>> rings;
  for (const auto& line : lines) rings[line.Tags[0]].push_back(line.Points);
  return rings;
}

PointF HexCentrePixel(int x, int y) {
  constexpr float kHex = 28;
  const float lower = x % 2 == 0 ? kHex / 2 : 0;
  return {kHex * (x - 1) + 16, kHex * (y - 1) + lower + 15.5f};
}
