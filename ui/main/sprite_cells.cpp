#include "ui/main/sprite_cells.h"

#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace {

struct ValuedCell {
  int value;
  TSpriteRect place;
};

using CellIndex = std::map<std::pair<CellArt, int>, std::vector<ValuedCell>>;

const CellIndex& Cells() {
  static const CellIndex index = [] {
    CellIndex cells;
    for (SpriteSheet sheet : {SpriteSheet::kCounters, SpriteSheet::kNumbers, SpriteSheet::kArrows}) {
      for (const SpriteCell& cell : SheetCells(sheet)) {
        cells[{cell.art, cell.nation}].push_back({cell.value, {sheet, cell.rect}});
      }
    }
    return cells;
  }();
  return index;
}

const std::vector<ValuedCell>* CellsOf(CellArt art, int nation) {
  const auto found = Cells().find({art, nation});
  return found == Cells().end() ? nullptr : &found->second;
}

}  // namespace

std::optional<TSpriteRect> ExactCell(CellArt art, int nation, int value) {
  if (const auto* cells = CellsOf(art, nation)) {
    for (const ValuedCell& cell : *cells) {
      if (cell.value == value) return cell.place;
    }
  }
  return std::nullopt;
}

std::optional<TSpriteRect> NearestCell(CellArt art, int nation, int value) {
  const auto* cells = CellsOf(art, nation);
  if (!cells || cells->empty()) return std::nullopt;
  const ValuedCell* nearest = &cells->front();
  for (const ValuedCell& cell : *cells) {
    if (std::abs(cell.value - value) < std::abs(nearest->value - value)) nearest = &cell;
  }
  return nearest->place;
}
