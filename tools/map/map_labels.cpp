#include "tools/map/map_labels.h"

#include <array>
#include <cmath>
#include <string>

#include "tools/map/map_art.h"
#include "tools/map/map_ornaments.h"

namespace {

constexpr TColor kInk = RGB(52, 36, 26);
constexpr TColor kStateInk = RGB(122, 84, 62);
constexpr TColor kSeaInk = RGB(70, 100, 112);
constexpr TColor kHalo = RGB(236, 226, 198);

// Names of the states the war was fought over, by state number.
constexpr std::array<const char*, 36> kStateNames = {"",
                                                     "",
                                                     "",
                                                     "",
                                                     "IOWA",
                                                     "WISCONSIN",
                                                     "ILLINOIS",
                                                     "MICHIGAN",
                                                     "INDIANA",
                                                     "OHIO",
                                                     "PENNSYLVANIA",
                                                     "NEW YORK",
                                                     "",
                                                     "",
                                                     "",
                                                     "MASS.",
                                                     "",
                                                     "CONN.",
                                                     "N.J.",
                                                     "MISSOURI",
                                                     "KENTUCKY",
                                                     "TENNESSEE",
                                                     "VIRGINIA",
                                                     "TEXAS",
                                                     "ARKANSAS",
                                                     "MISSISSIPPI",
                                                     "LOUISIANA",
                                                     "NORTH CAROLINA",
                                                     "SOUTH CAROLINA",
                                                     "GEORGIA",
                                                     "ALABAMA",
                                                     "FLORIDA",
                                                     "MARYLAND",
                                                     "",
                                                     "",
                                                     "WEST VA."};

struct Box {
  int Left, Top, Right, Bottom;
  bool Overlaps(const Box& o) const {
    return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom;
  }
};

class Lettering {
 public:
  explicit Lettering(TBitmap& map) : map_(map), canvas_(map.Canvas()) {
    canvas_.Brush.Style = bsClear;
  }

  void UseFont(int height, TFontStyles style, TColor ink) {
    canvas_.Font.SetName("Times New Roman");
    canvas_.Font.SetHeight(height);
    canvas_.Font.SetStyle(style);
    ink_ = ink;
  }

  void Reserve(const Box& box) { taken_.push_back(box); }

  Box Measure(int x, int y, const std::string& text) const {
    const auto size = canvas_.TextExtent(text);
    return {x, y, x + size.cx, y + size.cy};
  }

  bool Free(const Box& box) const {
    if (box.Left < 0 || box.Top < 0 || box.Right > map_.Width() || box.Bottom > map_.Height()) {
      return false;
    }
    for (const auto& t : taken_) {
      if (t.Overlaps(box)) return false;
    }
    return true;
  }

  // The text with a thin halo of paper, so that it reads over rivers and railways.
  void Write(const Box& box, const std::string& text, bool halo) {
    if (halo) {
      canvas_.Font.SetColor(kHalo);
      for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        canvas_.TextOut(box.Left + dx, box.Top + dy, text);
      }
    }
    canvas_.Font.SetColor(ink_);
    canvas_.TextOut(box.Left, box.Top, text);
    Reserve(box);
  }

 private:
  TBitmap& map_;
  TCanvas& canvas_;
  TColor ink_ = kInk;
  std::vector<Box> taken_;
};

std::string Spaced(const std::string& name) {
  std::string out;
  for (char c : name) {
    if (!out.empty()) out += ' ';
    out += c;
  }
  return out;
}

// The middle of a state's hexes on the map.
bool StateMiddle(const MapLayers& layers, int state, PointF& middle) {
  float sx = 0, sy = 0;
  int count = 0;
  for (int y = 1; y <= TMapRecord::Rows; ++y) {
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      if (layers.State[y - 1][x - 1] != kStateCodes[state]) continue;
      const PointF c = HexCentrePixel(x, y);
      sx += c.X;
      sy += c.Y;
      ++count;
    }
  }
  if (count < 6) return false;
  middle = {sx / count, sy / count};
  return true;
}

void LetterStates(Lettering& lettering, const MapLayers& layers) {
  lettering.UseFont(-15, 0, kStateInk);
  for (int state = 1; state < static_cast<int>(kStateNames.size()); ++state) {
    PointF middle;
    if (!*kStateNames[state] || !StateMiddle(layers, state, middle)) continue;
    const std::string text = Spaced(kStateNames[state]);
    const Box size = lettering.Measure(0, 0, text);
    for (float dy : {0.0f, -30.0f, 30.0f, -60.0f, 60.0f}) {
      const Box box = lettering.Measure(static_cast<int>(middle.X - size.Right / 2.0f),
                                        static_cast<int>(middle.Y + dy - size.Bottom / 2.0f), text);
      if (lettering.Free(box)) {
        lettering.Write(box, text, false);
        break;
      }
    }
  }
}

void LetterSeas(Lettering& lettering) {
  lettering.UseFont(-22, fsItalic, kSeaInk);
  const struct {
    const char* Name;
    int X;
    int Y;
  } kSeas[] = {
      {"A T L A N T I C   O C E A N", 1500, 1000},
      {"G U L F   O F   M E X I C O", 700, 1250},
  };
  for (const auto& sea : kSeas)
    lettering.Write(lettering.Measure(sea.X, sea.Y, sea.Name), sea.Name, false);
}

void LetterOrnaments(Lettering& lettering) {
  lettering.UseFont(-13, fsItalic, kSeaInk);
  const std::string title = "Scale of Miles";
  const Box size = lettering.Measure(0, 0, title);
  const int left = static_cast<int>(kScaleOrigin.X);
  const int top = static_cast<int>(kScaleOrigin.Y);
  lettering.Write(
      lettering.Measure(left + static_cast<int>(kPixelsPer100Miles / 2) - size.Right / 2,
                        top - size.Bottom - 2, title),
      title, false);
  lettering.UseFont(-11, 0, kSeaInk);
  for (int miles = 0; miles <= 100; miles += 50) {
    const std::string text = std::to_string(miles);
    const Box digits = lettering.Measure(0, 0, text);
    const int x = left + static_cast<int>(kPixelsPer100Miles * miles / 100) - digits.Right / 2;
    lettering.Write(lettering.Measure(x, top + 7, text), text, false);
  }
  lettering.UseFont(-16, fsBold, kSeaInk);
  const Box north = lettering.Measure(0, 0, "N");
  lettering.Write(lettering.Measure(static_cast<int>(kCompassCentre.X) - north.Right / 2,
                                    static_cast<int>(kCompassCentre.Y) - 72 - north.Bottom, "N"),
                  "N", false);
}

void LetterCities(Lettering& lettering, const std::vector<MapCity>& cities) {
  lettering.UseFont(-12, fsItalic, kInk);
  for (const auto& city : cities) {
    const int x = static_cast<int>(std::lround(city.MarkX));
    const int y = static_cast<int>(std::lround(city.MarkY));
    const Box size = lettering.Measure(0, 0, city.Name);
    const int w = size.Right, h = size.Bottom;
    const Box places[] = {lettering.Measure(x + 7, y - h / 2, city.Name),
                          lettering.Measure(x - 7 - w, y - h / 2, city.Name),
                          lettering.Measure(x - w / 2, y - 6 - h, city.Name),
                          lettering.Measure(x - w / 2, y + 6, city.Name),
                          lettering.Measure(x + 6, y - h, city.Name),
                          lettering.Measure(x + 6, y, city.Name),
                          lettering.Measure(x - 6 - w, y - h, city.Name),
                          lettering.Measure(x - 6 - w, y, city.Name)};
    for (const Box& box : places) {
      if (lettering.Free(box)) {
        lettering.Write(box, city.Name, true);
        break;
      }
    }
  }
}

}  // namespace

void LetterMap(TBitmap& map, const MapLayers& layers, const std::vector<MapCity>& cities) {
  Lettering lettering(map);
  for (const auto& city : cities) {
    const int x = static_cast<int>(std::lround(city.MarkX));
    const int y = static_cast<int>(std::lround(city.MarkY));
    lettering.Reserve({x - 5, y - 5, x + 6, y + 6});
  }
  LetterCities(lettering, cities);
  LetterSeas(lettering);
  LetterOrnaments(lettering);
  LetterStates(lettering, layers);
}
