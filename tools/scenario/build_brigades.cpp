// Brigades: those of each corps (written in the corps table as arm, home state
// and count), then the garrisons, the armed brigades waiting in cities and the
// raised ones. Strength, quality and weapons come from the start point's troop
// table; brigades are numbered 1, 2, ... within their home state.
#include <map>
#include <sstream>

#include "tools/scenario/build_context.h"
#include "tools/scenario/validate_scenario.h"
#include "world/codes.h"

namespace {

enum TroopColumn {
  kTroopNation,
  kTroopArm,
  kTroopScope,
  kTroopStrength,
  kTroopQuality,
  kTroopWeapons,
  kTroopColumns
};
enum OtherColumn { kOtherNation, kOtherStatus, kOtherCity, kOtherBrigades, kOtherColumns };

int ArmOfLetter(const std::string& letter, const SourceRow& row) {
  if (letter == "A") return TArm::Artillery;
  if (letter == "I") return TArm::Infantry;
  if (letter == "C") return TArm::Cavalry;
  row.Fail("an arm is I, C or A: '" + letter + "'");
}

struct BrigadeGroup {
  int Arm;
  int HomeState;
  int Count;
};

// "I:NY2,CT1;A:DC1": per arm, home states with their counts.
std::vector<BrigadeGroup> ParseBrigades(const ScenarioSources& sources, const SourceRow& row,
                                        const std::string& text) {
  std::vector<BrigadeGroup> groups;
  std::stringstream arms(text);
  for (std::string part; std::getline(arms, part, ';');) {
    const auto colon = part.find(':');
    if (colon == std::string::npos) row.Fail("brigades are written arm:statecount,...");
    const int arm = ArmOfLetter(part.substr(0, colon), row);
    std::stringstream states(part.substr(colon + 1));
    for (std::string item; std::getline(states, item, ',');) {
      const auto digits = item.find_first_of("0123456789");
      if (digits == std::string::npos) row.Fail("no count in '" + item + "'");
      groups.push_back(
          {arm, sources.State(item.substr(0, digits), row), ParseInt(item.substr(digits), row)});
    }
  }
  return groups;
}

// Where a brigade stands, for matching the troop table's scopes.
struct Placement {
  int Nation;
  int Status;
  int Location;
  int ArmyOrdinal;
  std::string Commander;
};

// One row of the troop table and the brigades it has armed so far.
struct TroopRow {
  const SourceRow* Source;
  int Nation;
  int Arm;
  std::string Scope;
  std::vector<std::pair<int, int>> Counted;  // weapon, number of brigades
  std::vector<std::pair<int, int>> Shared;   // weapon, per cent
  std::map<int, int> Armed;                  // weapon, brigades armed with it
  int Total = 0;

  bool Covers(const Placement& place, int arm, int homeState,
              const ScenarioSources& sources) const {
    if (place.Nation != Nation || arm != Arm) return false;
    if (Scope == "-") return true;
    const auto blank = Scope.find(' ');
    const std::string kind = Scope.substr(0, blank);
    const std::string what = blank == std::string::npos ? "" : Scope.substr(blank + 1);
    if (kind == "home") return homeState == sources.State(what, *Source);
    if (kind == "army") return "A" + std::to_string(place.ArmyOrdinal) == what;
    if (kind == "corps") return place.Commander == what;
    Source->Fail("a scope is 'home <state>', 'army A<n>' or 'corps <commander>'");
  }

  // Counted weapons first; then the shared weapon furthest behind its share.
  int NextWeapon() {
    for (const auto& [weapon, count] : Counted) {
      if (Armed[weapon] < count) return Issue(weapon);
    }
    int best = 0;
    long bestShortfall = 0;
    for (const auto& [weapon, percent] : Shared) {
      const long shortfall = static_cast<long>(percent) * (Total + 1) - 100L * Armed[weapon];
      if (best == 0 || shortfall > bestShortfall) {
        best = weapon;
        bestShortfall = shortfall;
      }
    }
    if (best == 0) Source->Fail("no weapon left for the brigades of this row");
    return Issue(best);
  }

 private:
  int Issue(int weapon) {
    ++Armed[weapon];
    ++Total;
    return weapon;
  }
};

std::vector<TroopRow> ReadTroops(const BuildContext& context, const SourceTable& table) {
  std::vector<TroopRow> rows;
  for (const auto& row : table.Rows) {
    TroopRow troop{&row,
                   context.Sources.Nation(row.Text(kTroopNation), row),
                   ArmOfLetter(row.Text(kTroopArm), row),
                   row.Text(kTroopScope),
                   {},
                   {},
                   {},
                   0};
    std::stringstream items(row.Text(kTroopWeapons));
    for (std::string item; std::getline(items, item, ',');) {
      std::stringstream words(item);
      std::string code, amount;
      words >> code >> amount;
      const int weapon = context.Sources.Weapon(code, row);
      if (!amount.empty() && amount.back() == '%') {
        troop.Shared.emplace_back(weapon, ParseInt(amount.substr(0, amount.size() - 1), row));
      } else {
        troop.Counted.emplace_back(weapon, ParseInt(amount, row));
      }
    }
    rows.push_back(std::move(troop));
  }
  return rows;
}

class BrigadePlacer {
 public:
  explicit BrigadePlacer(BuildContext& context)
      : context_(context),
        troopTable_(context.Table("troops.txt", kTroopColumns)),
        troops_(ReadTroops(context, troopTable_)) {}

  void Place(const Placement& place, const SourceRow& row, const std::string& text) {
    for (const auto& group : ParseBrigades(context_.Sources, row, text)) {
      for (int i = 0; i < group.Count; ++i) Add(place, group, row);
    }
  }

 private:
  void Add(const Placement& place, const BrigadeGroup& group, const SourceRow& row) {
    if (next_ > 500) row.Fail("more than 500 brigades");
    TroopRow* troop = nullptr;
    for (auto& candidate : troops_) {
      if (candidate.Covers(place, group.Arm, group.HomeState, context_.Sources)) troop = &candidate;
    }
    if (troop == nullptr) row.Fail("no troop row for these brigades");
    TBrigade& brigade = context_.Game.Brigades[next_++];
    brigade.Nation = static_cast<std::uint8_t>(place.Nation);
    brigade.Status = static_cast<std::uint8_t>(place.Status);
    brigade.Location = static_cast<std::uint8_t>(place.Location);
    brigade.Arm = static_cast<std::uint8_t>(group.Arm);
    brigade.HomeState = static_cast<std::uint8_t>(group.HomeState);
    brigade.Number = static_cast<std::uint8_t>(++numbers_[group.HomeState]);
    brigade.Quality = static_cast<std::uint8_t>(troop->Source->Int(kTroopQuality));
    if (place.Status == TBrigadeStatus::RaisedUnarmed) {
      brigade.Strength = static_cast<std::uint8_t>(FullBrigadeStrength(group.Arm));
    } else {
      brigade.Strength = static_cast<std::uint8_t>(troop->Source->Int(kTroopStrength));
      brigade.Weapon = static_cast<std::uint8_t>(troop->NextWeapon());
    }
  }

  BuildContext& context_;
  SourceTable troopTable_;  // the troop rows point into it
  std::vector<TroopRow> troops_;
  std::map<int, int> numbers_;
  int next_ = 1;
};

int StatusOfWord(const std::string& word, const SourceRow& row) {
  if (word == "garrison") return TBrigadeStatus::InGarrison;
  if (word == "waiting") return TBrigadeStatus::ArmedAndWaiting;
  if (word == "raised") return TBrigadeStatus::RaisedUnarmed;
  row.Fail("a status is garrison, waiting or raised");
}

}  // namespace

void BuildBrigades(BuildContext& context) {
  const TGameState& game = context.Game;
  BrigadePlacer placer(context);
  const SourceTable corps = context.Table("corps.txt", kCorpsColumns);
  for (std::size_t i = 0; i < corps.Rows.size(); ++i) {
    const int slot = static_cast<int>(i) + 1;
    const TCorps& unit = game.Corps[slot];
    const int army = unit.Army != 0 ? game.Armies[unit.Army].Ordinal : 0;
    const SourceRow& row = corps.Rows[i];
    placer.Place({unit.Nation, TBrigadeStatus::InCorps, slot, army, row.Text(kCorpsCommander)}, row,
                 row.Text(kCorpsBrigades));
  }
  for (const auto& row : context.Table("brigades.txt", kOtherColumns).Rows) {
    const int status = StatusOfWord(row.Text(kOtherStatus), row);
    const int city = status == TBrigadeStatus::RaisedUnarmed
                         ? 0
                         : context.Sources.City(row.Text(kOtherCity), row);
    placer.Place({context.Sources.Nation(row.Text(kOtherNation), row), status, city, 0, ""}, row,
                 row.Text(kOtherBrigades));
  }
}
