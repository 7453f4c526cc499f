#include "tools/sprites/sprite_layout.h"

namespace {

constexpr int kCounterSize = 23;
constexpr int kColourColumns = 9;  // army colour codes 0..8, 27 pixels apart
constexpr int kColumnPitch = 27;

bool FirstOfPair(int nation) {
  return nation == 1 || nation == 3;
}
bool AmericanNation(int nation) {
  return nation <= 2;
}

TRect Counter(int left, int top) {
  return TRect::Bounds(left, top, kCounterSize, kCounterSize);
}

void AddArmyMarkers(std::vector<SpriteCell>& cells) {
  for (int group : {1, 2}) {
    for (int ordinal = 1; ordinal <= 9; ++ordinal) {
      cells.push_back({CellArt::kArmyMarker,
                       Counter(kColumnPitch * (ordinal - 1) + 2, group == 1 ? 1 : 28), group,
                       ordinal});
    }
  }
}

void AddFleetsAndInsignia(std::vector<SpriteCell>& cells) {
  struct Fleet {
    int left, nation, kind;
  };
  for (Fleet fleet : {Fleet{2, 1, 1}, Fleet{110, 1, 2}, Fleet{29, 2, 1}, Fleet{137, 2, 2},
                      Fleet{56, 3, 1}, Fleet{83, 4, 1}}) {
    cells.push_back({CellArt::kFleet, Counter(fleet.left, 56), fleet.nation, fleet.kind});
  }
  cells.push_back({CellArt::kArmyInsignia, TRect::Bounds(164, 56, 19, 10), 1, 0});
  cells.push_back({CellArt::kArmyInsignia, TRect::Bounds(191, 56, 19, 10), 2, 0});
}

// Corps and division bases: one row per kind and pair of nations, one column per army colour.
void AddFormationBases(std::vector<SpriteCell>& cells) {
  struct Row {
    CellArt art;
    int top_first, top_second, left;
  };
  for (Row row : {Row{CellArt::kCorps, 189, 217, 2}, Row{CellArt::kInfantryDivision, 136, 83, 1},
                  Row{CellArt::kCavalryDivision, 163, 109, 1}}) {
    for (int nation = 1; nation <= 4; ++nation) {
      const int top = FirstOfPair(nation) ? row.top_first : row.top_second;
      const int left = row.left + (AmericanNation(nation) ? 0 : 243);
      for (int colour = 0; colour < kColourColumns; ++colour) {
        cells.push_back({row.art, Counter(left + kColumnPitch * colour, top), nation, colour});
      }
    }
  }
}

// Corps ordinals run down one column and continue in a second.
void AddCorpsOrdinals(std::vector<SpriteCell>& cells, int nation, int first_left,
                      int first_column_count, int second_left, int last) {
  for (int ordinal = 1; ordinal <= last; ++ordinal) {
    const bool first = ordinal <= first_column_count;
    const int row = first ? ordinal - 1 : ordinal - first_column_count - 1;
    cells.push_back({CellArt::kCorpsOrdinal,
                     TRect::Bounds(first ? first_left : second_left, 12 * row, 21, 11), nation,
                     ordinal});
  }
}

void AddFleetNumbers(std::vector<SpriteCell>& cells) {
  for (int nation : {1, 2}) {
    for (int number = 1; number <= 32; ++number) {
      const int column = number <= 10 ? 0 : number <= 20 ? 1 : 2;
      const int row = number - 1 - 10 * column;
      cells.push_back(
          {CellArt::kFleetNumber,
           TRect::Bounds(113 + kColumnPitch * column, 11 * row + (nation == 1 ? 1 : 140), 23, 11),
           nation, number});
    }
  }
}

}  // namespace

TSize SheetSize(SpriteSheet sheet) {
  switch (sheet) {
    case SpriteSheet::kCounters:
      return {489, 244};
    case SpriteSheet::kNumbers:
      return {196, 280};
    case SpriteSheet::kArrows:
      return {83, 13};
  }
  return {};
}

const char* SheetFileName(SpriteSheet sheet) {
  switch (sheet) {
    case SpriteSheet::kCounters:
      return "BASEIMG2.BMP";
    case SpriteSheet::kNumbers:
      return "BASEIMG3.BMP";
    case SpriteSheet::kArrows:
      return "OBJECTIV.BMP";
  }
  return "";
}

std::vector<SpriteCell> SheetCells(SpriteSheet sheet) {
  std::vector<SpriteCell> cells;
  switch (sheet) {
    case SpriteSheet::kCounters:
      AddArmyMarkers(cells);
      AddFleetsAndInsignia(cells);
      AddFormationBases(cells);
      break;
    case SpriteSheet::kNumbers:
      // The sheet's height holds Union ordinals up to 33 and Confederate ones up to 40.
      AddCorpsOrdinals(cells, 1, 1, 10, 27, 33);
      AddCorpsOrdinals(cells, 2, 59, 17, 83, 40);
      AddFleetNumbers(cells);
      // The battle marker sits in the free corner below the first Union column.
      cells.push_back({CellArt::kBattleMarker, Counter(0, 122), 0, 0});
      break;
    case SpriteSheet::kArrows:
      for (int direction = 1; direction <= 6; ++direction) {
        cells.push_back(
            {CellArt::kArrow, TRect::Bounds(14 * (direction - 1), 0, 12, 12), 0, direction});
      }
      break;
  }
  return cells;
}
