#include "world/hex_control.h"

#include <array>
#include <cstdint>
#include <vector>

#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/saturating.h"
#include "world/ship_building.h"
#include "world/table_slots.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

// The two camps and the neutral one.
constexpr int kCamps = kSideCount + 1;
constexpr int kHexes = TMapRecord::Columns * TMapRecord::Rows;

constexpr int kHolderScore = 2;
constexpr int kOwnerScore = 3;
constexpr int kQuietStateBonus = 7;
constexpr int kCorpsReach = 3;
constexpr int kPressedCorpsReach = 1;
constexpr int kStandingBonus = 10;
constexpr int kLockedScore = 205;
constexpr int kRiverFleetReach = 2;
constexpr int kRiverFleetWeight = 3;

int CampOrNone(int camp) {
  return camp < kCamps ? camp : 0;
}

int HexIndex(int x, int y) {
  return (x - 1) * TMapRecord::Rows + (y - 1);
}

struct NearbyUnit {
  std::uint8_t unit;
  std::uint8_t distance;
};

// For every hex, the units (corps or fleets) within a radius of it, in table
// order, with their distance. Asking each hex about every unit would cost half
// a million distance sums per call; this asks each unit about the few hexes
// around it.
class NearbyUnits {
 public:
  template <typename Units, typename Counts>
  NearbyUnits(const Units& units, int radius, Counts counts) {
    std::vector<std::array<int, 3>> found;  // hex, unit, distance
    for (int u = 1; u <= Units::Count; ++u) {
      const auto& unit = units[u];
      if (!counts(unit)) continue;
      for (int x = unit.X - radius; x <= unit.X + radius; ++x) {
        for (int y = unit.Y - radius - 1; y <= unit.Y + radius + 1; ++y) {
          if (!TMapRecord::OnMap(x, y)) continue;
          const int d = HexDistance(unit.X, unit.Y, static_cast<std::uint16_t>(x),
                                    static_cast<std::uint16_t>(y));
          if (d <= radius) found.push_back({HexIndex(x, y), u, d});
        }
      }
    }
    for (const auto& entry : found) ++first_[entry[0] + 1];
    for (int h = 1; h <= kHexes; ++h) first_[h] += first_[h - 1];
    entries_.resize(found.size());
    std::array<int, kHexes> filled{};
    for (const auto& entry : found) {
      const int at = first_[entry[0]] + filled[entry[0]]++;
      entries_[at] = {static_cast<std::uint8_t>(entry[1]), static_cast<std::uint8_t>(entry[2])};
    }
  }

  template <typename Visit>
  void ForEachNear(int x, int y, Visit visit) const {
    const int h = HexIndex(x, y);
    for (int at = first_[h]; at < first_[h + 1]; ++at) {
      if (!visit(entries_[at])) return;
    }
  }

 private:
  std::array<int, kHexes + 1> first_{};
  std::vector<NearbyUnit> entries_;
};

bool CountsForControl(const TCorps& corps) {
  return corps.Inactive == 0;
}

bool IsRiverFleet(const TFleet& fleet) {
  return fleet.Kind == kRiverFleetKind && fleet.Status == 0;
}

// A camp-1 corps on a hex its camp owns holds it against any number of
// enemies; a camp-2 corps there only sets its camp's score, which later corps
// may still raise or the others outscore.
void AddCorpsScores(const NearbyUnits& corpsNear, int x, int y, int owner,
                    std::array<int, kCamps>& score) {
  if (owner == 0) return;
  corpsNear.ForEachNear(x, y, [&](NearbyUnit near) {
    const TCorps& corps = GameState.Corps[near.unit];
    const int reach = corps.EnemyPressure != 0 ? kPressedCorpsReach : kCorpsReach;
    if (near.distance >= reach || corps.BattleMark != 0 || corps.Side >= kCamps) return true;
    score[corps.Side] += 2 * (reach - near.distance);
    if (near.distance != 0) return true;
    score[corps.Side] += kStandingBonus;
    if (corps.Side != owner) return true;
    score[owner] = kLockedScore;
    if (owner != 1) return true;
    score[0] = score[2] = 0;
    return false;
  });
}

void AddRiverFleetScores(const NearbyUnits& fleetsNear, int x, int y,
                         std::array<int, kCamps>& score) {
  fleetsNear.ForEachNear(x, y, [&](NearbyUnit near) {
    const TFleet& fleet = GameState.Fleets[near.unit];
    if (fleet.Side < kCamps)
      score[fleet.Side] += kRiverFleetWeight * (kRiverFleetReach - near.distance);
    return true;
  });
}

// The camp whose score is strictly above both others; on a tie the owner stays.
int Leader(const std::array<int, kCamps>& score, int owner) {
  for (int camp : {1, 2, 0}) {
    const int a = score[(camp + 1) % kCamps];
    const int b = score[(camp + 2) % kCamps];
    if (score[camp] > a && score[camp] > b) return camp;
  }
  return owner;
}

void ScoreHex(int x, int y, const NearbyUnits& corpsNear, const NearbyUnits& fleetsNear) {
  TMapCell& cell = MapRecord.Cell(x, y);
  // The top bit of the state byte is a flag of its own and survives.
  const int state = cell.State();
  if (!IsEntryOf(GameState.States, state)) {
    cell.ClearState();
    return;
  }
  const TStateRec& holderState = GameState.States[state];
  const int owner = CampOrNone(cell.Owner());
  const int holder = CampOrNone(holderState.ControlSide);
  std::array<int, kCamps> score{};
  score[holder] = kHolderScore;
  if (owner != 0) score[owner] = kOwnerScore;
  if (holderState.IntruderStrength == 0 && holderState.ForeignCities == 0)
    score[holder] += kQuietStateBonus;
  AddCorpsScores(corpsNear, x, y, owner, score);
  if (cell.Flag7()) AddRiverFleetScores(fleetsNear, x, y, score);
  cell.SetOwner(Leader(score, owner));
}

}  // namespace

void RecountForeignCities() {
  for (int s = 1; s <= GameState.States.Count; ++s) GameState.States[s].ForeignCities = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!IsEntryOf(GameState.States, city.State)) continue;
    TStateRec& state = GameState.States[city.State];
    if (city.Side != state.ControlSide) ++state.ForeignCities;
  }
}

void RecountStateTallies() {
  RecountForeignCities();
  for (int s = 1; s <= GameState.States.Count; ++s) GameState.States[s].IntruderStrength = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    const int s = StateAt(corps.X, corps.Y);
    if (corps.Inactive != 0 || s == 0) continue;
    TStateRec& state = GameState.States[s];
    if (corps.Side != state.ControlSide) AddSaturated(state.IntruderStrength, corps.Strength);
  }
}

void RecomputeHexControl() {
  RecountStateTallies();
  const NearbyUnits corpsNear(GameState.Corps, kCorpsReach - 1, CountsForControl);
  const NearbyUnits fleetsNear(GameState.Fleets, kRiverFleetReach - 1, IsRiverFleet);
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) ScoreHex(x, y, corpsNear, fleetsNear);
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side < kCamps && TMapRecord::OnMap(city.X, city.Y))
      MapRecord.Cell(city.X, city.Y).SetOwner(city.Side);
  }
}
