#pragma once
// Where every picture the map copies lies on the three sprite sheets. The map
// code copies fixed rectangles, so this table is the contract between the
// pictures and the drawing routines of the main window.
#include <vector>

#include "platform/graphics/types.h"

enum class SpriteSheet {
  kCounters,  // BASEIMG2.BMP: counter bases, fleets, army markers and insignia
  kNumbers,   // BASEIMG3.BMP: corps ordinals, fleet numbers and the battle marker
  kArrows,    // OBJECTIV.BMP: the six direction arrows of a plotted path
};

enum class CellArt {
  kArmyMarker,        // value: army ordinal 1..9; nation 1, or 2 for every other nation
  kArmyInsignia,      // nation 1, or 2 for every other nation
  kFleet,             // value: 1 ocean-going (kinds 0 and 1), 2 river
  kCorps,             // value: army colour code 0..8
  kInfantryDivision,  // value: army colour code 0..8
  kCavalryDivision,   // value: army colour code 0..8
  kCorpsOrdinal,      // value: the corps' ordinal
  kFleetNumber,       // value: the fleet's number
  kBattleMarker,
  kArrow,  // value: direction 1 N, 2 NE, 3 SE, 4 S, 5 SW, 6 NW
};

struct SpriteCell {
  CellArt art;
  TRect rect;
  int nation;
  int value;
};

TSize SheetSize(SpriteSheet sheet);
const char* SheetFileName(SpriteSheet sheet);
std::vector<SpriteCell> SheetCells(SpriteSheet sheet);
