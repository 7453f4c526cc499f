#pragma once
// The army route done the slow, obvious way: every map hex scored up front (with
// a scan of the corps for every foreign hex), the scores each walk sees copied
// afresh before it sets out, and the neighbours taken from the shared table. The
// army route must give exactly the same steps, target hex, outcome, totals and
// random draws.
#include <algorithm>
#include <cstdint>

#include "world/hex_grid.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace reference_army_route {

struct Step {
  std::uint16_t x, y, direction, score;
};

struct Trial {
  Step steps[21];
  std::uint16_t total;
};

class ArmyRoute {
 public:
  void Route(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
             int maxSteps, int side, int policy) {
    const int camp = side == 0 ? 0 : GameState.Nations[side].Side;
    for (int step = 1; step <= 30; ++step) RouteSteps[step] = 0;
    const int m = std::min(maxSteps, 20);
    const int reach = HexDistance(fromX, fromY, toX, toY) + 20;
    for (int x = 1; x <= 76; ++x)
      for (int y = 1; y <= 54; ++y)
        lasting_[x][y] = Score(x, y, fromX, fromY, toX, toY, camp, policy, reach);
    for (int t = 1; t <= 7; ++t) Walk(trials_[t], fromX, fromY, toX, toY, m);
    int chosen = 0;
    int best = 0;
    for (int t = 1; t <= 7; ++t) {
      if (trials_[t].total > best) {
        best = trials_[t].total;
        chosen = t;
      }
    }
    TargetHexX = fromX;
    TargetHexY = fromY;
    if (chosen != 0) {
      for (int s = 1; s <= m && trials_[chosen].steps[s].score != 0; ++s) {
        const Step& step = trials_[chosen].steps[s];
        if (step.x >= 1 && step.x <= 76) TargetHexX = step.x;
        if (step.y >= 1 && step.y <= 54) TargetHexY = step.y;
        RouteSteps[s] = static_cast<std::uint8_t>(step.direction);
      }
    }
    if (TargetHexX == 0 || TargetHexX > 76) TargetHexX = fromX;
    if (TargetHexY == 0 || TargetHexY >= 55) TargetHexY = fromY;
  }

  std::uint16_t Total(int trial) const { return trials_[trial].total; }

 private:
  static std::int16_t Score(int x, int y, int fromX, int fromY, int toX, int toY, int camp,
                            int policy, int reach) {
    const TMapCell& hex = MapRecord.Cell(x, y);
    std::int16_t score = 1;
    if (hex.Terrain() == 0 || hex.Terrain() == 3) score = 0;
    if (hex.Owner() != camp) {
      if (policy == 0) score = 0;
      if (policy == 2 && HexDistance(x, y, fromX, fromY) > 2) score = 0;
    }
    if (score != 0) {
      const int d = HexDistance(x, y, toX, toY);
      score = static_cast<std::int16_t>(score + 2 * reach - 2 * d);
      if (d == 0) score = static_cast<std::int16_t>(score + 500);
      if (policy == 1 && hex.Owner() != camp) {
        for (int c = 1; c <= 120; ++c) {
          const TCorps& corps = GameState.Corps[c];
          if (corps.Inactive == 0 && corps.Side != camp && corps.X == fromX && corps.Y == fromY) {
            score = static_cast<std::int16_t>(score / 2);
            break;
          }
        }
      }
    }
    if (x == fromX && y == fromY && score != 0) --score;
    return score;
  }

  void Walk(Trial& trial, std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX,
            std::uint16_t toY, int m) {
    for (int x = 1; x <= 76; ++x)
      for (int y = 1; y <= 54; ++y) seen_[x][y] = lasting_[x][y] >= 0 ? lasting_[x][y] : 0;
    RouteReached = 0;
    trial = {};
    std::uint16_t x = fromX;
    std::uint16_t y = fromY;
    int s = 1;
    do {
      NeighbourHexes(x, y);
      unsigned best = 0;
      int bestDirection = 0;
      for (int k = 1; k <= 6; ++k) {
        const THexPos n = NeighbourTable[k];
        unsigned candidate = 0;
        bool entered = false;
        for (int earlier = 1; earlier <= s; ++earlier)
          if (trial.steps[earlier].x == n.X && trial.steps[earlier].y == n.Y) entered = true;
        if (n.X >= 1 && n.X <= 76 && n.Y >= 1 && n.Y <= 54 && !entered) candidate = seen_[n.X][n.Y];
        if (candidate != 0) {
          const int code = k <= 3 ? MapRecord.Cell(x, y).HexSideCode(k)
                                  : MapRecord.Cell(n.X, n.Y).HexSideCode(k - 3);
          if (code == 3) candidate = 0;
          if (code == 2) candidate = candidate - 1;
        }
        if (candidate > best) {
          best = candidate;
          bestDirection = k;
        }
        if (candidate != 0 && candidate == best && Random(100) < 50) bestDirection = k;
      }
      if (bestDirection != 0) {
        const THexPos n = NeighbourTable[bestDirection];
        trial.steps[s] = {n.X, n.Y, static_cast<std::uint16_t>(bestDirection), seen_[n.X][n.Y]};
        trial.total = static_cast<std::uint16_t>(trial.total + seen_[n.X][n.Y]);
        x = n.X;
        y = n.Y;
        std::int16_t& lasting = lasting_[x][y];
        lasting = lasting >= 3 ? static_cast<std::int16_t>(lasting - 2) : 1;
        if (x == toX && y == toY) RouteReached = 2;
      }
      ++s;
    } while (s <= m && RouteReached != 2);
    if (RouteReached != 2) trial.total = static_cast<std::uint16_t>(trial.total / 2);
    trial.total = static_cast<std::uint16_t>(trial.total / s);
  }

  std::int16_t lasting_[77][55] = {};
  std::uint16_t seen_[77][55] = {};
  Trial trials_[8] = {};
};

}  // namespace reference_army_route
