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

class Flood {
 public:
  // Mode 2, 3 or 4 from (fromX, fromY) to a different (toX, toY), both on the map.
  void Route(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
             int mode, int camp) {
    for (int step = 1; step <= 30; ++step) RouteSteps[step] = 0;
    for (int x = 1; x <= 76; ++x) {
      for (int y = 1; y <= 54; ++y) {
        const TMapCell& hex = MapRecord.Cell(x, y);
        bool passable = hex.Terrain() == 0 || hex.Terrain() == 4;
        if (mode == 2) passable = (hex.Terrain() == 4 || hex.LinkFlag()) && hex.Owner() == camp;
        if (mode == 3) passable = hex.RouteFlag();
        cost_[x][y] = passable ? 2 : 0;
        ring_[x][y] = 0;
      }
    }
    FloodRings(fromX, fromY, toX, toY);
    if (RouteReached != 2) return;
    TraceBack(fromX, fromY, toX, toY);
    HexCursorX = fromX;
    HexCursorY = fromY;
    int k = 1;
    do StepHex(RouteSteps[k++]);
    while (!(HexCursorX == toX && HexCursorY == toY) && k <= 30 && RouteSteps[k] != 0);
    TargetHexX = HexCursorX;
    TargetHexY = HexCursorY;
  }

 private:
  // The neighbour of (x, y) in the direction, if it lies on the map.
  static bool Next(int x, int y, int direction, std::uint16_t& nx, std::uint16_t& ny) {
    nx = static_cast<std::uint16_t>(x);
    ny = static_cast<std::uint16_t>(y);
    StepHexRef(nx, ny, direction);
    return nx >= 1 && nx <= 76 && ny >= 1 && ny <= 54;
  }

  // A ring byte has no room beyond 255.
  bool ExpandRing(int x, int y) {
    bool marked = false;
    std::uint16_t nx, ny;
    for (int direction = 1; direction <= 6; ++direction) {
      if (!Next(x, y, direction, nx, ny) || cost_[nx][ny] == 0 || ring_[nx][ny] != 0) continue;
      if (ring_[x][y] == 255) continue;
      ring_[nx][ny] = static_cast<std::uint8_t>(ring_[x][y] + 1);
      marked = true;
    }
    return marked;
  }

  // Ends once the target has a ring, the start's own ring included.
  void FloodRings(int fromX, int fromY, int toX, int toY) {
    ring_[fromX][fromY] = 1;
    RouteReached = ExpandRing(fromX, fromY) ? 2 : 0;
    for (int r = 2; RouteReached == 2 && ring_[toX][toY] == 0; ++r) {
      bool marked = false;
      for (int x = 1; x <= 76; ++x)
        for (int y = 1; y <= 54; ++y)
          if (ring_[x][y] == r && ExpandRing(x, y)) marked = true;
      if (!marked && ring_[toX][toY] == 0) RouteReached = 0;
    }
  }

  void TraceBack(int fromX, int fromY, int x, int y) {
    RouteReached = 0;
    std::uint16_t nx, ny;
    for (int r = ring_[x][y] - 1;; --r) {
      int best = 100;
      int chosen = 0;
      for (int direction = 1; direction <= 6; ++direction) {
        if (!Next(x, y, direction, nx, ny) || ring_[nx][ny] != r) continue;
        if (cost_[nx][ny] < best) {
          best = cost_[nx][ny];
          chosen = direction;
        } else if (cost_[nx][ny] == best && Random(100) < 50) {
          chosen = direction;
        }
      }
      if (chosen == 0) return;
      Next(x, y, chosen, nx, ny);
      x = nx;
      y = ny;
      if (ring_[x][y] >= 1 && ring_[x][y] <= 30)
        RouteSteps[ring_[x][y]] = static_cast<std::uint8_t>(OppositeDirection(chosen));
      if (x == fromX && y == fromY) {
        RouteReached = 2;
        return;
      }
    }
  }

  std::uint16_t cost_[77][55] = {};
  std::uint8_t ring_[77][55] = {};
};

}  // namespace reference_flood
