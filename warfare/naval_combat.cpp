#include "warfare/naval_combat.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "warfare/battle_views.h"
#include "warfare/fleet_cargo.h"
#include "warfare/fleet_ships.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/fleet_consolidation.h"
#include "world/fleet_places.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// Every fleet counted in the engagement carries this mark until it ends.
constexpr int kInEngagement = 11;

// One volley: each unit of a battery fires its shots, a shot hitting when
// Random(200) falls below the battery's mark.
struct Battery {
  int shots;
  int hitsBelow;
};
constexpr Battery kIroncladFire{8, 100};
constexpr Battery kDamagedIroncladFire{4, 50};
constexpr Battery kWarshipFire{2, 65};
constexpr Battery kDamagedWarshipFire{1, 30};
constexpr Battery kTransportFire{1, 2};
constexpr Battery kCoastalGunFire{8, 125};

// A hit tells on a ship when Random(120) rises above its type's mark: sound
// ships are damaged, damaged ones sink; a damaged transport sinks unasked.
constexpr std::array<int, 3> kDamagedAbove{80, 40, 20};
constexpr int kSeaTransportDamagedAbove = 75;
constexpr std::array<int, 2> kSunkAbove{65, 20};
constexpr int kWorksHitAbove = 60;

constexpr int kSeaFleet = 0;
// A port attacker with fewer supplies than this turns for home.
constexpr int kAttackSuppliesNeeded = 10;
constexpr int kMostCoastalGuns = 99;

constexpr int kShownColumnsBefore = 3;
constexpr int kShownRowsAbove = 2;
constexpr int kPlaceAtSeaText = 108;
constexpr int kNeutralPortText = 109;
constexpr int kPortText = 491;
constexpr int kWorksHeadingText = 256;
constexpr int kWorksHeadingEndText = 452;
constexpr std::array<int, 3> kColumnHeadingTexts{295, 296, 380};
constexpr int kCorpsLostText = 456;
constexpr int kCorpsLostWithText = 457;
constexpr int kLeaderLostText = 453;
constexpr int kFirstSunkText = 584;

constexpr std::array<const char*, 4> kNationNames{"Union", "Confederate", "France", "Britain"};

// What one camp brought to the engagement and what it suffered.
struct SideTally {
  NavalForce force;
  std::array<int, 3> sunk{};
  int hits = 0;
  int nation = 0;
};

// The city in the hex, when its guns join in. Its camp is the city's own, or
// its nation's for a foreign port that belongs to no camp.
struct EngagedCity {
  int index = 0;
  int camp = 0;
  int works = 0;
  int guns = 0;
};

struct SunkFleet {
  int fleet;
  int nation;
};

class Engagement {
 public:
  explicit Engagement(int f) : fleet_(GameState.Fleets[f]) {}

  // Counts the fleets and the city; false when no enemy stands here.
  bool Gather();
  void Fight();
  void Report();

 private:
  void Count(int g);
  void JoinCity(int c);
  void Volleys();
  void HitCity(int side);
  void HitFleets(int side);
  bool Visit(TFleet& fleet, SideTally& tally);
  void Sink(TFleet& fleet, SideTally& tally, int type);
  void Aftermath();
  void GoDown(int g);
  void FillView();
  bool BothSidesShown() const;

  TFleet& fleet_;
  std::array<SideTally, kSideCount> sides_;
  std::array<std::string, kSideCount> fleetLists_;
  EngagedCity city_;
  bool on_ = false;
  std::vector<SunkFleet> sunk_;
  NavalCombatView view_;
};

bool IsCamp(int side) {
  return side >= 1 && side <= kSideCount;
}

int NationSide(int nation) {
  return IsEntryOf(GameState.Nations, nation) ? GameState.Nations[nation].Side : 0;
}

bool StandsWith(const TFleet& other, const TFleet& fleet) {
  return other.X == fleet.X && other.Y == fleet.Y;
}

// A cotton runner lying in its own port keeps out of the fight.
bool KeepsOut(const TFleet& fleet) {
  return fleet.Mission == TFleetMission::CottonRun && LiesInCity(fleet, fleet.HomePort);
}

bool IsEngaged(const TFleet& fleet) {
  return fleet.Status == 0 && fleet.Spotted == kInEngagement;
}

void SpendSupply(TFleet& fleet) {
  if (fleet.Supplies > 0) fleet.Supplies = fleet.Supplies - 1;
}

// Draws until one tells, one hit spent on each; false when the hits run out.
bool DrawUntilHit(int& hits, int above) {
  while (hits > 0) {
    --hits;
    if (Random(120) > above) return true;
  }
  return false;
}

void Engagement::Count(int g) {
  TFleet& other = GameState.Fleets[g];
  const int s = other.Side;
  other.Engaged = 1;
  SideTally& tally = sides_[s - 1];
  for (int type = 1; type <= other.Ships.Count; ++type) {
    tally.force.ships[type - 1] += other.Ships[type];
    tally.force.damaged[type - 1] += other.DamagedShips[type];
  }
  tally.nation = other.Nation;
  if (s != fleet_.Side) {
    on_ = true;
    SpendSupply(fleet_);
  }
  std::string& list = fleetLists_[s - 1];
  if (!list.empty()) list += ", ";
  list += std::to_string(other.Number);
  other.Spotted = kInEngagement;
}

void Engagement::JoinCity(int c) {
  const TCity& city = GameState.Cities[c];
  if (NationSide(city.Nation) == 0) {
    on_ = false;
    return;
  }
  const int camp = city.Side != 0 ? city.Side : NationSide(city.Nation);
  city_ = {c, camp, city.Fortifications, city.CoastalGuns};
  if (IsCamp(camp)) sides_[camp - 1].force.guns = city.CoastalGuns;
  CurrentCity = static_cast<std::uint16_t>(c);
  if (camp != fleet_.Side) {
    on_ = true;
    SpendSupply(fleet_);
  }
}

bool Engagement::Gather() {
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    const TFleet& other = GameState.Fleets[g];
    if (other.Status != 0 || !StandsWith(other, fleet_) || !IsCamp(other.Side) ||
        other.Mission < TFleetMission::Move || KeepsOut(other))
      continue;
    Count(g);
  }
  if (fleet_.Mission < TFleetMission::AttackPort) return on_;
  const int side = NationSide(fleet_.Nation);
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X != fleet_.X || city.Y != fleet_.Y || city.Fortifications == 0) continue;
    if (fleet_.Nation == 0 || city.Nation == 0 || NationSide(city.Nation) == side) continue;
    JoinCity(c);
  }
  return on_;
}

int Fire(int units, Battery battery) {
  int hits = 0;
  for (int shot = 0; shot < units * battery.shots; ++shot)
    if (Random(200) < battery.hitsBelow) ++hits;
  return hits;
}

// Side 1 fires first; the hits land after both have.
void Engagement::Volleys() {
  sides_[1].hits = VolleyHits(sides_[0].force);
  sides_[0].hits = VolleyHits(sides_[1].force);
}

// Each hit on a port is a draw against its works; the guns fall with them.
void Engagement::HitCity(int side) {
  int& hits = sides_[side - 1].hits;
  if (city_.index == 0 || city_.works == 0 || city_.camp != side || hits == 0) return;
  int lost = 0;
  while (lost < city_.works && hits > 0) {
    --hits;
    if (Random(120) > kWorksHitAbove) ++lost;
  }
  TCity& city = GameState.Cities[city_.index];
  city.Fortifications = static_cast<std::uint8_t>(city_.works - lost);
  city_.guns = std::max(0, city_.guns - lost);
  city.CoastalGuns = static_cast<std::uint8_t>(city_.guns <= kMostCoastalGuns ? city_.guns : 0);
  view_.worksLost[side - 1] = lost;
}

void Engagement::Sink(TFleet& fleet, SideTally& tally, int type) {
  fleet.DamagedShips[type] = fleet.DamagedShips[type] - 1;
  ++tally.sunk[type - 1];
  if (!IsEntryOf(GameState.Nations, fleet.Nation)) return;
  auto& sunk = fleet.Kind == kRiverFleet ? GameState.RiverShipsSunk : GameState.OceanShipsSunk;
  AddSaturated(sunk[fleet.Nation], 1);
}

// Each type in turn takes draws until one tells; a ship just damaged may sink
// at once, as its damaged type comes next.
bool Engagement::Visit(TFleet& fleet, SideTally& tally) {
  bool damage = false;
  for (int type = 1; type <= fleet.Ships.Count; ++type) {
    int damagedAbove = kDamagedAbove[type - 1];
    if (type == TShipType::Transport && fleet.Kind == kSeaFleet)
      damagedAbove = kSeaTransportDamagedAbove;
    if (fleet.Ships[type] != 0 && DrawUntilHit(tally.hits, damagedAbove)) {
      fleet.Ships[type] = fleet.Ships[type] - 1;
      fleet.DamagedShips[type] = fleet.DamagedShips[type] + 1;
      damage = true;
    }
    if (fleet.DamagedShips[type] == 0) continue;
    const bool sinks = type == TShipType::Transport
                           ? tally.hits > 0
                           : DrawUntilHit(tally.hits, kSunkAbove[type - 1]);
    if (sinks) {
      Sink(fleet, tally, type);
      damage = true;
    }
  }
  return damage;
}

// Passes over the side's fleets until the hits are spent or one does nothing.
void Engagement::HitFleets(int side) {
  SideTally& tally = sides_[side - 1];
  while (tally.hits > 0) {
    bool damage = false;
    for (int g = 1; g <= GameState.Fleets.Count; ++g) {
      TFleet& fleet = GameState.Fleets[g];
      if (IsEngaged(fleet) && fleet.Side == side) damage |= Visit(fleet, tally);
    }
    if (!damage) tally.hits = 0;
  }
}

void Engagement::Fight() {
  FillView();
  Volleys();
  for (int s = 1; s <= kSideCount; ++s) {
    HitCity(s);
    HitFleets(s);
  }
  Aftermath();
}

// The corps aboard a fleet that goes down lands where the fleet was, or on
// open water is lost with it.
void Engagement::GoDown(int g) {
  TFleet& fleet = GameState.Fleets[g];
  sunk_.push_back({g, fleet.Nation});
  const int c = fleet.Mission == TFleetMission::Amphibious ? EmbarkedCorps(fleet) : 0;
  if (c != 0) {
    TCorps& corps = GameState.Corps[c];
    corps.Stance = TCombatStance::Advance;
    corps.X = fleet.X;
    corps.Y = fleet.Y;
    corps.City = fleet.Objective;
    if (MapRecord.Cell(fleet.X, fleet.Y).Terrain() == TTerrain::Water) {
      view_.lostCorps = {TextLine(kCorpsLostText), TextLine(kCorpsLostWithText),
                         LeaderName(corps.Leader) + TextLine(kLeaderLostText)};
      LoseCorpsWithFleet(c);
    }
  }
  FreeFleetSlot(fleet);
}

void Engagement::Aftermath() {
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    TFleet& fleet = GameState.Fleets[g];
    if (!IsEngaged(fleet)) continue;
    if (fleet.Mission == TFleetMission::AttackPort && city_.index != 0 &&
        CityHex(city_.index) == THexPos{fleet.DestX, fleet.DestY} &&
        (fleet.Supplies < kAttackSuppliesNeeded ||
         GameState.Cities[city_.index].Fortifications == 0)) {
      fleet.Mission = TFleetMission::Move;
      fleet.Objective = fleet.HomePort;
    }
    if (fleet.Mission >= TFleetMission::Patrol) fleet.PathStep = kFleetPathSteps;
    if (ShipCount(fleet) == 0) GoDown(g);
  }
}

void Engagement::FillView() {
  if (city_.index != 0) {
    const TCity& city = GameState.Cities[city_.index];
    view_.place = TextLine(city.Side != 0 ? kPortText : kNeutralPortText) + city.Name.str();
    if (city.Side != 0)
      view_.cityHeading = TextLine(kWorksHeadingText) + TextLine(kWorksHeadingEndText);
    if (IsCamp(city_.camp))
      view_.cityWorks[city_.camp - 1] =
          std::to_string(city_.works) + "-" + std::to_string(city.CoastalGuns);
  } else {
    view_.place = TextLine(kPlaceAtSeaText);
  }
  for (int s = 0; s < kSideCount; ++s) {
    const SideTally& tally = sides_[s];
    // A port that fights with no fleet of its camp beside it still names its nation.
    const int nation = tally.nation != 0 || city_.camp != s + 1
                           ? tally.nation
                           : GameState.Cities[city_.index].Nation;
    if (IsEntryOf(GameState.Nations, nation)) view_.sides[s] = kNationNames[nation - 1];
    view_.fleets[s] = fleetLists_[s];
    for (int type = 0; type < 3; ++type)
      view_.ships[s][type] = tally.force.ships[type] + tally.force.damaged[type];
  }
  for (int k = 0; k < 3; ++k) view_.columnHeadings[k] = TextLine(kColumnHeadingTexts[k]);
}

// A side with nothing to show (no ships, no guns, no works) leaves the form
// unasked.
bool Engagement::BothSidesShown() const {
  for (int s = 1; s <= kSideCount; ++s) {
    const SideTally& tally = sides_[s - 1];
    int total = tally.force.guns + tally.hits;
    for (int type = 0; type < 3; ++type)
      total += tally.force.ships[type] + tally.force.damaged[type] + tally.sunk[type];
    if (city_.camp == s) total += city_.works + city_.guns;
    if (total == 0) return false;
  }
  return true;
}

// The form, and then one notice for every fleet sunk; the fleet's number goes
// with its notice.
void Engagement::Report() {
  for (int s = 0; s < kSideCount; ++s) view_.sunk[s] = sides_[s].sunk;
  Window().SetCursor(WindowCursor::Default);
  if (BothSidesShown()) BattleView().ShowNavalCombat(view_);
  Window().SetCursor(WindowCursor::Hourglass);
  for (const SunkFleet& lost : sunk_) {
    TFleet& fleet = GameState.Fleets[lost.fleet];
    const std::string nation =
        IsEntryOf(GameState.Nations, lost.nation) ? TextLine(kFirstSunkText + lost.nation) : "";
    Window().ShowMessage(nation + std::to_string(fleet.Number) + " sunk");
    fleet.Number = 0;
  }
}

// Where the fight was, the map shows it and the guns are heard. The hex
// stands a few hexes in from the view's corner, in full and clear of the
// engagement form over the middle of the map.
void ShowWhere(const TFleet& fleet, bool port) {
  ViewLeft = static_cast<std::uint16_t>(std::max(1, fleet.X - kShownColumnsBefore));
  ViewTop = static_cast<std::uint16_t>(std::max(1, fleet.Y - kShownRowsAbove));
  Window().RepaintMap();
  if (SoundEnabled) Window().PlaySound(port ? "PORT.WAV" : "SEA.WAV");
}

bool CanOpenFight(const TFleet& fleet) {
  return fleet.Status == 0 && IsCamp(fleet.Side) && fleet.Mission >= TFleetMission::Patrol;
}

void ClearEngagementMarks() {
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    TFleet& fleet = GameState.Fleets[g];
    if (fleet.Spotted == kInEngagement && fleet.Engaged != 0) fleet.Spotted = fleet.Engaged = 0;
  }
}

}  // namespace

// The batteries fire one after another in this order, each in a statement of
// its own: summed in one expression, the draws would fall in whatever order
// the compiler chose, and two builds would fight different battles from the
// same seed.
int VolleyHits(const NavalForce& force) {
  const std::array<std::pair<int, Battery>, 7> batteries{{
      {force.ships[0], kIroncladFire},
      {force.damaged[0], kDamagedIroncladFire},
      {force.ships[1], kWarshipFire},
      {force.damaged[1], kDamagedWarshipFire},
      {force.ships[2], kTransportFire},
      {force.damaged[2], kTransportFire},
      {force.guns, kCoastalGunFire},
  }};
  int hits = 0;
  for (const auto& [units, battery] : batteries) hits += Fire(units, battery);
  return hits;
}

void ResolveNavalCombat(int f) {
  Window().SetCursor(WindowCursor::Default);
  CurrentCity = 0;
  if (IsEntryOf(GameState.Fleets, f) && CanOpenFight(GameState.Fleets[f])) {
    Engagement engagement(f);
    if (engagement.Gather()) {
      ShowWhere(GameState.Fleets[f], CurrentCity != 0);
      engagement.Fight();
      engagement.Report();
    }
  }
  ClearEngagementMarks();
}
