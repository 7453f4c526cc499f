#include "world/route_finder.h"

#include <cstring>

#include "world/army_route.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

TRouteWorkGrid RouteWorkGrid;

namespace {

using route_grid::CellIndex;
using route_grid::ColumnOf;
using route_grid::kStride;

constexpr std::uint16_t kStartRing = 1;
// Rings are counted in bytes: a hex 255 rings out leads nowhere further.
constexpr std::uint16_t kLastRing = 255;

// Work-grid offset of the neighbour in each direction, by the parity of the column.
constexpr int kNeighbourOffset[2][7] = {
    {0, -1, kStride, kStride + 1, 1, -kStride + 1, -kStride},
    {0, -1, kStride - 1, kStride, 1, -kStride, -kStride - 1},
};

int NeighbourCell(int cell, int direction) {
  return cell + kNeighbourOffset[ColumnOf(cell) & 1][direction];
}

// A grid with every map hex unringed and the border around the map blocked; each
// flood starts from a copy of it.
const TRouteWorkGrid& BlankWorkGrid() {
  static const TRouteWorkGrid blank = [] {
    TRouteWorkGrid grid;
    for (int cell = 0; cell < route_grid::kCells; ++cell) {
      const int x = ColumnOf(cell);
      const int y = route_grid::RowOf(cell);
      grid.Ring[cell] = MapRecord.OnMap(x, y) ? 0 : TRouteWorkGrid::kBlocked;
    }
    return grid;
  }();
  return blank;
}

// The hexes a flood may enter, by mode.
struct FloodMask {
  int mode;
  int camp;

  bool Passable(int cell) const {
    const TMapCell& hex = MapRecord.Cell(ColumnOf(cell), route_grid::RowOf(cell));
    switch (mode) {
      case kRailRouteMode:
        return (hex.Terrain() == TTerrain::City || hex.LinkFlag()) && hex.Owner() == camp;
      case kRiverRouteMode:
        return hex.RouteFlag();
      default:
        return hex.Terrain() == TTerrain::Water || hex.Terrain() == TTerrain::City;
    }
  }
};

// Rings the hexes outward from the start, breadth first, until the target is
// ringed. Taking the hexes in queue order gives every hex the ring it would get
// from ringing the whole map one ring at a time; the walk back reads only rings
// inside the target's, so it stops as soon as the target has its ring.
bool FloodRings(int start, int target, const FloodMask& mask) {
  std::uint16_t* ring = RouteWorkGrid.Ring;
  std::memcpy(ring, BlankWorkGrid().Ring, sizeof RouteWorkGrid.Ring);
  std::uint16_t* queue = RouteWorkGrid.Queue;
  int head = 0;
  int tail = 0;
  ring[start] = kStartRing;
  queue[tail++] = static_cast<std::uint16_t>(start);
  while (head < tail) {
    const int hex = queue[head++];
    const std::uint16_t next = ring[hex] + 1;
    if (next > kLastRing) break;
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      const int neighbour = NeighbourCell(hex, direction);
      if (ring[neighbour] != 0) continue;
      if (!mask.Passable(neighbour)) {
        ring[neighbour] = TRouteWorkGrid::kBlocked;
        continue;
      }
      ring[neighbour] = next;
      if (neighbour == target) return true;
      queue[tail++] = static_cast<std::uint16_t>(neighbour);
    }
  }
  return false;
}

// Walks from the target back to the start, one ring inwards per step, and lists
// the forward direction of each of the first 30 steps. Among the neighbours of
// the next ring the first in direction order is taken, and each later one
// replaces it on an even draw. (Every ringed hex but the start is passable and
// costs the same, and the start is alone in its ring, so the choice by lowest
// cost comes down to this.)
void TraceBack(int start, int target) {
  const std::uint16_t* ring = RouteWorkGrid.Ring;
  int hex = target;
  std::uint16_t inner = ring[target];
  while (hex != start) {
    --inner;
    int chosen = 0;
    int walked = kNoDirection;
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      const int neighbour = NeighbourCell(hex, direction);
      if (ring[neighbour] != inner) continue;
      if (walked == kNoDirection || Random(100) < 50) {
        chosen = neighbour;
        walked = direction;
      }
    }
    hex = chosen;
    if (inner <= kRouteStepsListed) RouteSteps[inner] = OppositeDirection(walked);
  }
}

// Follows the listed steps from the start to find where they end; the shared
// cursor is left on that hex.
void ReplaySteps(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY) {
  std::uint16_t x = fromX;
  std::uint16_t y = fromY;
  int step = 1;
  do {
    StepHexRef(x, y, RouteSteps[step]);
    ++step;
  } while (!(x == toX && y == toY) && step <= kRouteStepsListed && RouteSteps[step] != 0);
  TargetHexX = x;
  TargetHexY = y;
  HexCursorX = x;
  HexCursorY = y;
}

// Modes 2 to 4: the shortest route over the hexes the mask lets in. A route that
// is missed leaves the step list empty and the target hex as it was.
void FloodRoute(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
                const FloodMask& mask) {
  ClearRouteSteps();
  RouteReached = 0;
  // A start off the map has no place in the work grid, and a target off the map
  // or one the mask keeps out is never ringed: no route either way.
  if (!MapRecord.OnMap(fromX, fromY) || !MapRecord.OnMap(toX, toY)) return;
  const int start = CellIndex(fromX, fromY);
  const int target = CellIndex(toX, toY);
  if (!mask.Passable(target)) return;
  if (!FloodRings(start, target, mask)) return;
  TraceBack(start, target);
  RouteReached = kRouteReached;
  ReplaySteps(fromX, fromY, toX, toY);
}

}  // namespace

void RouteTo(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
             std::uint16_t maxSteps, std::uint16_t mode, std::uint16_t side, std::uint16_t policy) {
  if (fromX == toX && fromY == toY) {
    TargetHexX = fromX;
    TargetHexY = fromY;
    ClearRouteSteps();
    return;
  }
  switch (mode) {
    case kRailRouteMode: {
      // Camps are 0..2; a nation of the European powers stands for its camp.
      const int camp = side > TSide::Confederate ? CampOfNation(side) : side;
      FloodRoute(fromX, fromY, toX, toY, {kRailRouteMode, camp});
      break;
    }
    case kRiverRouteMode:
    case kSeaRouteMode:
      FloodRoute(fromX, fromY, toX, toY, {mode, TSide::None});
      break;
    default:
      ArmyRoute(fromX, fromY, toX, toY, maxSteps, side, policy);
  }
}
