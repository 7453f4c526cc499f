#include "world/army_route.h"

#include <algorithm>
#include <cstring>

#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

Table<TRouteTrial, kArmyRouteTrials> RouteTrialTable{};
TRouteScoreGrid RouteScoreGrid{};

namespace {

constexpr int kTargetBonus = 500;
// Under the near-start policy a foreign hex may be entered this close to the start.
constexpr int kForeignReach = 2;
// Scores fall off from this far beyond the start's distance to the target.
constexpr int kScoreReach = 20;
constexpr int kRoughSide = 2;

// What one army route scores the hexes by.
struct RouteScoring {
  THexPos start;
  THexPos target;
  int camp;
  int policy;
  int reach;
  bool enemyOnStart;

  std::int16_t ScoreOf(std::uint16_t x, std::uint16_t y) const {
    const TMapCell& hex = MapRecord.Cell(x, y);
    int score = 1;
    if (hex.Terrain() == TTerrain::Water || hex.Terrain() == TTerrain::Impassable) score = 0;
    const bool foreign = hex.Owner() != camp;
    if (foreign && policy == kOwnHexesOnly) score = 0;
    if (foreign && policy == kForeignHexesNearStart &&
        HexDistance(x, y, start.X, start.Y) > kForeignReach)
      score = 0;
    if (score != 0) {
      const int distance = HexDistance(x, y, target.X, target.Y);
      score += 2 * reach - 2 * distance;
      if (distance == 0) score += kTargetBonus;
      // With an enemy corps on its own hex a force thinks twice before marching
      // into country its camp does not hold.
      if (policy == kAnyHex && foreign && enemyOnStart) score /= 2;
    }
    if (THexPos{x, y} == start && score != 0) --score;
    return static_cast<std::int16_t>(std::clamp<int>(score, INT16_MIN, INT16_MAX));
  }
};

// Numbers a new route or walk; when the count wraps, the stamps of old numbers are
// wiped so that none can pass for a new one.
void Renumber(std::uint32_t& number, std::uint32_t (&stamps)[route_grid::kCells]) {
  if (++number == 0) {
    std::memset(stamps, 0, sizeof stamps);
    number = 1;
  }
}

std::int16_t& LastingScore(const RouteScoring& scoring, THexPos hex) {
  const int cell = route_grid::CellIndex(hex.X, hex.Y);
  if (RouteScoreGrid.Scored[cell] != RouteScoreGrid.Route) {
    RouteScoreGrid.Score[cell] = scoring.ScoreOf(hex.X, hex.Y);
    RouteScoreGrid.Scored[cell] = RouteScoreGrid.Route;
  }
  return RouteScoreGrid.Score[cell];
}

// A walk sees the lasting scores as they stood when it set out. It wears down
// only hexes it enters, and never looks at an entered hex again, so reading the
// lasting score as it stands now gives the same.
int SeenScore(const RouteScoring& scoring, THexPos hex) {
  return std::max<int>(LastingScore(scoring, hex), 0);
}

void WearDown(std::int16_t& lasting) {
  lasting = lasting >= 3 ? lasting - 2 : 1;
}

bool Entered(THexPos hex) {
  return RouteScoreGrid.Entered[route_grid::CellIndex(hex.X, hex.Y)] == RouteScoreGrid.Walk;
}

// The direction of the best-scoring neighbour not yet entered; ties go to a
// later direction on an even draw, one draw for every scoring neighbour that
// takes or equals the best.
int BestStep(const RouteScoring& scoring, THexPos here) {
  int best = 0;
  int bestDirection = kNoDirection;
  for (int direction = kNorth; direction <= kNorthWest; ++direction) {
    const THexPos there = NeighbourHex(here.X, here.Y, direction);
    int candidate = 0;
    if (MapRecord.OnMap(there.X, there.Y) && !Entered(there)) candidate = SeenScore(scoring, there);
    if (candidate != 0) {
      const int side = MapRecord.CrossedSideCode(here.X, here.Y, there.X, there.Y, direction);
      if (side == kClosedSide) candidate = 0;
      if (side == kRoughSide) --candidate;
    }
    if (candidate > best) {
      best = candidate;
      bestDirection = direction;
    }
    if (candidate != 0 && candidate == best && Random(100) < 50) bestDirection = direction;
  }
  return bestDirection;
}

// One greedy walk of at most `longest` steps. Its total is the average score per
// pass, halved when the walk did not reach the target.
void Walk(const RouteScoring& scoring, TRouteTrial& trial, int longest) {
  trial = {};
  Renumber(RouteScoreGrid.Walk, RouteScoreGrid.Entered);
  RouteReached = 0;
  THexPos here = scoring.start;
  int step = 1;
  do {
    const int direction = BestStep(scoring, here);
    if (direction != kNoDirection) {
      const THexPos there = NeighbourHex(here.X, here.Y, direction);
      std::int16_t& lasting = LastingScore(scoring, there);
      const auto seen = static_cast<std::uint16_t>(std::max<int>(lasting, 0));
      trial.Steps[step] = {there.X, there.Y, static_cast<std::uint16_t>(direction), seen};
      trial.Total += seen;
      WearDown(lasting);
      RouteScoreGrid.Entered[route_grid::CellIndex(there.X, there.Y)] = RouteScoreGrid.Walk;
      here = there;
      if (there == scoring.target) RouteReached = kRouteReached;
    }
    ++step;
  } while (step <= longest && RouteReached != kRouteReached);
  if (RouteReached != kRouteReached) trial.Total /= 2;
  trial.Total /= step;
}

// The walk with the largest total, the earliest among equals; 0 when every total is 0.
int ChosenTrial() {
  int chosen = 0;
  int best = 0;
  for (int trial = 1; trial <= kArmyRouteTrials; ++trial) {
    if (RouteTrialTable[trial].Total > best) {
      best = RouteTrialTable[trial].Total;
      chosen = trial;
    }
  }
  return chosen;
}

// Lists the steps of the chosen walk; every step a walk takes lies on the map.
void ListSteps(const TRouteTrial& trial, int longest) {
  for (int step = 1; step <= longest && trial.Steps[step].Score != 0; ++step) {
    TargetHexX = trial.Steps[step].X;
    TargetHexY = trial.Steps[step].Y;
    RouteSteps[step] = static_cast<std::uint8_t>(trial.Steps[step].Direction);
  }
}

}  // namespace

void ArmyRoute(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
               std::uint16_t maxSteps, std::uint16_t side, std::uint16_t policy) {
  const int camp = CampOfNation(side);
  ClearRouteSteps();
  const int longest = std::min<int>(maxSteps, kArmyRouteLongest);
  const RouteScoring scoring{
      .start = {fromX, fromY},
      .target = {toX, toY},
      .camp = camp,
      .policy = policy,
      .reach = HexDistance(fromX, fromY, toX, toY) + kScoreReach,
      .enemyOnStart = policy == kAnyHex && EnemyCorpsOn(fromX, fromY, camp),
  };
  Renumber(RouteScoreGrid.Route, RouteScoreGrid.Scored);
  for (int trial = 1; trial <= kArmyRouteTrials; ++trial)
    Walk(scoring, RouteTrialTable[trial], longest);
  TargetHexX = fromX;
  TargetHexY = fromY;
  if (const int chosen = ChosenTrial(); chosen != 0) ListSteps(RouteTrialTable[chosen], longest);
}
