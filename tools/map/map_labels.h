#pragma once
// The lettering of the map picture: state names in spaced capitals inside their states, the
// seas in italics and every city's name beside its mark, each where the label search finds
// it clear of railways, marks and other names.
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "tools/map/label_search.h"
#include "tools/map/map_art.h"

struct Lettering {
  int Height = 12;  // the font's pixel height
  TFontStyles Style = 0;
  TColor Ink = 0;
  bool Halo = false;  // a thin ring of paper, so that a name reads over the lines under it
};

// A text in its lettering, and where its letters sit in the label's box.
struct LabelSetting {
  std::string Text;
  Lettering Letters;
  TPoint Origin;  // from the box's top left corner to the point the text is written at
};

struct MapLabel {
  LabelKind Kind = LabelKind::City;
  int State = 0;  // the city's state or the state named
  PointF Anchor;  // the city's mark
  TRect Box;      // the ink of the letters with their halo
  LabelSetting Set;
};

// Every name of the map and where it goes, measured in the fonts it is lettered in.
std::vector<MapLabel> LayOutMapLabels(const MapArt& art);
void LetterMap(TBitmap& map, const std::vector<MapLabel>& labels);
