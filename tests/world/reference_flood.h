#pragma once
// The flood route of modes 2 to 4 done the slow, obvious way: the whole map is
// scanned once per ring, each cell keeping a step cost and a ring number, and the
// walk back chooses by lowest cost. The route finder must give exactly the same
// steps, target hex, outcome and random draws.
#include <cstdint>

#include "world/hex_grid.h"
#include "world/random.h"
#include "world/route_finder.h"
#include "world/vardecl.h"

namespace reference_flood {

struct Cell {
  std::uint16_t cost;
  std::uint8_t ring;
};

class Flood {
 public:
  // Mode 2, 3 or 4 from (fromX, fromY) to a different (toX, toY), both on the map.
  void Route(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
             int mode, int camp) {
    for (int step = 1; step <= 30; ++step) RouteSteps[step] = 0;
    for (int x = 1; x <= 76; ++x)
      for (int y = 1; y <= 54; ++y) grid_[x][y] = {Cost(MapRecord.Cell(x, y), mode, camp), 0};
    FloodRings(fromX, fromY, toX, toY);
    if (RouteReached != 2) return;
    TraceBack(fromX, fromY, toX, toY);
    TargetHexX = fromX;
    TargetHexY = fromY;
    int k = 1;
    do {
      HexCursorX = TargetHexX;
      HexCursorY = TargetHexY;
      StepHex(RouteSteps[k]);
      TargetHexX = HexCursorX;
      TargetHexY = HexCursorY;
      ++k;
    } while (!(TargetHexX == toX && TargetHexY == toY) && k <= 30 && RouteSteps[k] != 0);
  }

 private:
  static std::uint16_t Cost(const TMapCell& hex, int mode, int camp) {
    bool passable = false;
    if (mode == 2) passable = (hex.Terrain() == 4 || hex.LinkFlag()) && hex.Owner() == camp;
    if (mode == 3) passable = hex.RouteFlag();
    if (mode == 4) passable = hex.Terrain() == 0 || hex.Terrain() == 4;
    return passable ? 2 : 0;
  }

  bool ExpandRing(int x, int y) {
    bool marked = false;
    for (int direction = 1; direction <= 6; ++direction) {
      std::uint16_t nx = static_cast<std::uint16_t>(x);
      std::uint16_t ny = static_cast<std::uint16_t>(y);
      StepHexRef(nx, ny, direction);
      if (nx < 1 || nx > 76 || ny < 1 || ny > 54) continue;
      Cell& next = grid_[nx][ny];
      // A ring byte has no room beyond 255.
      if (next.cost != 0 && next.ring == 0 && grid_[x][y].ring < 255) {
        next.ring = static_cast<std::uint8_t>(grid_[x][y].ring + 1);
        marked = true;
      }
    }
    return marked;
  }

  // Ends once the target has a ring, the start's own ring included.
  void FloodRings(int fromX, int fromY, int toX, int toY) {
    RouteReached = 2;
    grid_[fromX][fromY].ring = 1;
    if (!ExpandRing(fromX, fromY)) {
      RouteReached = 0;
      return;
    }
    if (grid_[toX][toY].ring != 0) return;
    for (int r = 2; RouteReached == 2; ++r) {
      bool marked = false;
      for (int x = 1; x <= 76; ++x)
        for (int y = 1; y <= 54; ++y)
          if (grid_[x][y].ring == r && ExpandRing(x, y)) marked = true;
      if (!marked) RouteReached = 0;
      if (grid_[toX][toY].ring != 0) return;
    }
  }

  void TraceBack(int fromX, int fromY, int toX, int toY) {
    int x = toX;
    int y = toY;
    int r = grid_[x][y].ring;
    RouteReached = 0;
    for (;;) {
      --r;
      int best = 100;
      int chosenDirection = 0;
      for (int direction = 1; direction <= 6; ++direction) {
        std::uint16_t nx = static_cast<std::uint16_t>(x);
        std::uint16_t ny = static_cast<std::uint16_t>(y);
        StepHexRef(nx, ny, direction);
        if (nx < 1 || nx > 76 || ny < 1 || ny > 54 || grid_[nx][ny].ring != r) continue;
        const int cost = grid_[nx][ny].cost;
        if (cost < best) {
          best = cost;
          chosenDirection = direction;
        } else if (cost == best && Random(100) < 50) {
          chosenDirection = direction;
        }
      }
      if (chosenDirection == 0) return;
      std::uint16_t nx = static_cast<std::uint16_t>(x);
      std::uint16_t ny = static_cast<std::uint16_t>(y);
      StepHexRef(nx, ny, chosenDirection);
      x = nx;
      y = ny;
      const int q = grid_[x][y].ring;
      if (q >= 1 && q <= 30)
        RouteSteps[q] = static_cast<std::uint8_t>(OppositeDirection(chosenDirection));
      if (x == fromX && y == fromY) {
        RouteReached = 2;
        return;
      }
    }
  }

  Cell grid_[77][55] = {};
};

}  // namespace reference_flood
