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
    int chosen = 0;
    for (int t = 1; t <= 7; ++t) {
      Walk(trials_[t], fromX, fromY, toX, toY, m);
      if (trials_[t].total > trials_[chosen].total) chosen = t;
    }
    TargetHexX = fromX;
    TargetHexY = fromY;
    for (int s = 1; chosen != 0 && s <= m && trials_[chosen].steps[s].score != 0; ++s) {
      const Step& step = trials_[chosen].steps[s];
      if (step.x >= 1 && step.x <= 76) TargetHexX = step.x;
      if (step.y >= 1 && step.y <= 54) TargetHexY = step.y;
      RouteSteps[s] = static_cast<std::uint8_t>(step.direction);
    }
  }

  std::uint16_t Total(int trial) const { return trials_[trial].total; }

 private:
  struct Step {
    std::uint16_t x, y, direction, score;
  };
  struct Trial {
    Step steps[21];
    std::uint16_t total;
  };

  static std::int16_t Score(int x, int y, int fromX, int fromY, int toX, int toY, int camp,
                            int policy, int reach) {
    const TMapCell& hex = MapRecord.Cell(x, y);
    const bool foreign = hex.Owner() != camp;
    std::int16_t score = hex.Terrain() == 0 || hex.Terrain() == 3 ? 0 : 1;
    if (foreign && (policy == 0 || (policy == 2 && HexDistance(x, y, fromX, fromY) > 2))) score = 0;
    if (score != 0) {
      const int d = HexDistance(x, y, toX, toY);
      score = static_cast<std::int16_t>(score + 2 * reach - 2 * d + (d == 0 ? 500 : 0));
      bool enemyOnStart = false;
      for (int c = 1; c <= 120; ++c) {
        const TCorps& corps = GameState.Corps[c];
        if (corps.Inactive == 0 && corps.Side != camp && corps.X == fromX && corps.Y == fromY)
          enemyOnStart = true;
      }
      if (policy == 1 && foreign && enemyOnStart) score = static_cast<std::int16_t>(score / 2);
    }
    if (x == fromX && y == fromY && score != 0) --score;
    return score;
  }

  void Walk(Trial& trial, std::uint16_t x, std::uint16_t y, std::uint16_t toX, std::uint16_t toY,
            int m) {
    for (int i = 1; i <= 76; ++i)
      for (int j = 1; j <= 54; ++j) seen_[i][j] = lasting_[i][j] >= 0 ? lasting_[i][j] : 0;
    RouteReached = 0;
    trial = {};
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
        const int code = k <= 3           ? MapRecord.Cell(x, y).HexSideCode(k)
                         : candidate != 0 ? MapRecord.Cell(n.X, n.Y).HexSideCode(k - 3)
                                          : 0;
        if (candidate != 0 && code == 3) candidate = 0;
        if (candidate != 0 && code == 2) candidate = candidate - 1;
        if (candidate > best) {
          best = candidate;
          bestDirection = k;
        }
        if (candidate != 0 && candidate == best && Random(100) < 50) bestDirection = k;
      }
      if (bestDirection != 0) {
        x = NeighbourTable[bestDirection].X;
        y = NeighbourTable[bestDirection].Y;
        trial.steps[s] = {x, y, static_cast<std::uint16_t>(bestDirection), seen_[x][y]};
        trial.total = static_cast<std::uint16_t>(trial.total + seen_[x][y]);
        lasting_[x][y] = lasting_[x][y] >= 3 ? static_cast<std::int16_t>(lasting_[x][y] - 2) : 1;
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
