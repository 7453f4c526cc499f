#include "opponent/computer_corps_forming.h"

#include "opponent/brigade_announcement.h"
#include "world/brigade_rules.h"
#include "world/city_threat.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_forming.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostBrigadesInCorps = 9;
constexpr int kMostCorpsRaised = 31;
constexpr int kWellServedScore = 45;
constexpr int kScoreChance = 15;
constexpr int kStopChance = 90;
// Stops a run of new corps that the draws would let go on for ever.
constexpr int kMostNewCorpsRounds = 1000;
constexpr int kCorpsForPromotion = 25;
// The capital keeps its asked-for garrison and this many more brigades.
constexpr int kCapitalKeep = 8;
constexpr int kQuietCapitalKeep = 10;

bool IsForeignPower(int n) {
  return n == TNation::France || n == TNation::Britain;
}

bool MayTakeBrigades(const TCorps& corps, int n, int theatre) {
  return corps.Inactive == 0 && corps.Nation == n && corps.Stance < TCombatStance::Embarked &&
         corps.Theatre == theatre && corps.SupplyStatus <= 1;
}

// Sends the infantry past the corps' capacity to the garrison of its city.
void ShedSurplusInfantry(int n, int k, TCorps& corps) {
  const int city = corps.City;
  if (corps.OtherBrigades <= corps.Capacity || !IsEntryOf(GameState.Cities, city) ||
      GameState.Cities[city].Nation != n)
    return;
  int counted = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status != TBrigadeStatus::InCorps || brigade.Location != k ||
        brigade.Arm != TArm::Infantry || ++counted <= corps.Capacity)
      continue;
    brigade.Status = TBrigadeStatus::InGarrison;
    brigade.Location = static_cast<std::uint8_t>(city);
    --corps.OtherBrigades;
  }
  RecountGarrison(city);
}

// Batteries standing in garrisons go back to wait for a corps that needs them.
void ReleaseGarrisonArtillery(int n) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != n || brigade.Status != TBrigadeStatus::InGarrison ||
        brigade.Arm != TArm::Artillery)
      continue;
    const int city = brigade.Location;
    brigade.Status = TBrigadeStatus::ArmedAndWaiting;
    brigade.Location = 0;
    if (IsEntryOf(GameState.Cities, city)) RecountGarrison(city);
  }
}

// A corps takes one battery, and foot or horse as its kind has; the last
// brigade slot is never drawn on for the line.
bool Fits(const TBrigade& brigade, int b, const TCorps& corps, bool fromGarrison) {
  const bool lineSlot = b != GameState.Brigades.Count;
  switch (brigade.Arm) {
    case TArm::Artillery:
      return fromGarrison ? corps.ArtilleryStrength == 0 : corps.ArtilleryBrigades == 0;
    case TArm::Infantry:
      return lineSlot &&
             (corps.Kind == TCorpsKind::Corps || corps.Kind == TCorpsKind::InfantryDivision);
    case TArm::Cavalry:
      return lineSlot && corps.Kind == TCorpsKind::CavalryDivision;
    default:
      return false;
  }
}

void Attach(int n, int k, int b, bool fromGarrison) {
  TCorps& corps = GameState.Corps[k];
  TBrigade& brigade = GameState.Brigades[b];
  if (brigade.Arm != TArm::Artillery) {
    AddSaturated(corps.Strength, brigade.Strength);
  } else if (fromGarrison) {
    AddSaturated(corps.ArtilleryStrength, brigade.Strength);
  } else {
    corps.ArtilleryStrength = brigade.Strength;
    ++corps.ArtilleryBrigades;
  }
  const int city = brigade.Location;
  brigade.Location = static_cast<std::uint8_t>(k);
  brigade.Status = TBrigadeStatus::InCorps;
  ++corps.OtherBrigades;
  if (fromGarrison) RecountGarrison(city);
  AnnounceBrigade(n, k, b, TBrigadeNews::Attached, 0);
}

// The first brigade that fits, waiting anywhere or in the given garrison.
bool AttachFirstFitting(int n, int k, int garrison) {
  const TCorps& corps = GameState.Corps[k];
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    const bool available = garrison == 0 ? brigade.Status == TBrigadeStatus::ArmedAndWaiting
                                         : IsGarrisonOf(brigade, garrison);
    if (brigade.Nation != n || !available || !Fits(brigade, b, corps, garrison != 0)) continue;
    Attach(n, k, b, garrison != 0);
    return true;
  }
  return false;
}

void BalanceCorps(int n, int k) {
  TCorps& corps = GameState.Corps[k];
  if (corps.Capacity > kMostBrigadesInCorps) corps.Capacity = kMostBrigadesInCorps;
  ShedSurplusInfantry(n, k, corps);
  ReleaseGarrisonArtillery(n);
  if (corps.OtherBrigades >= corps.Capacity || AttachFirstFitting(n, k, 0)) return;
  // A city that asks for its garrison, and the capital, keep theirs.
  const int city = corps.City;
  if (!IsEntryOf(GameState.Cities, city) || city == GameState.Nations[n].Capital ||
      GameState.Cities[city].GarrisonNeed != 0)
    return;
  AttachFirstFitting(n, k, city);
}

struct ArmCount {
  int artillery = 0;
  int infantry = 0;
  int cavalry = 0;
  int total() const { return artillery + infantry + cavalry; }
  void Add(int arm) {
    artillery += arm == TArm::Artillery;
    infantry += arm == TArm::Infantry;
    cavalry += arm == TArm::Cavalry;
  }
};

ArmCount BrigadesForNewCorps(int n) {
  ArmCount count;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != n || brigade.HomeState == 0) continue;
    if (brigade.Status == TBrigadeStatus::ArmedAndWaiting ||
        (IsForeignPower(n) && brigade.Status == TBrigadeStatus::InGarrison))
      count.Add(brigade.Arm);
  }
  return count;
}

// The most valuable city of the theatre, counting the enemy corps near it
// three times; the last of equals.
int CityForNewCorps(int n, int theatre) {
  int best = 0, chosen = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Theatre != theatre || city.Nation != n) continue;
    AssessCityThreat(c, n, theatre == TTheatre::Seaboard ? 5 : 10);
    ThreatEnemyCount = static_cast<std::uint16_t>(3 * ThreatEnemyCount);
    if (city.Value + ThreatEnemyCount >= best) {
      best = city.Value + ThreatEnemyCount;
      chosen = c;
    }
  }
  return chosen;
}

int Form(int kind, int city, int n, int source) {
  CurrentCorps = static_cast<std::uint16_t>(FormCorpsFromBrigades(kind, city, n, source));
  return CurrentCorps;
}

void RaiseNewCorps(int n, int theatre, int city) {
  ArmCount count = BrigadesForNewCorps(n);
  CurrentCorps = 0;
  if (count.infantry > 3 && count.artillery > 0 &&
      Form(TCorpsKind::Corps, city, n, kFromWaiting) != 0) {
    count.infantry -= GameState.Corps[CurrentCorps].OtherBrigades;
    --count.artillery;
  }
  if (count.infantry > 2) Form(TCorpsKind::InfantryDivision, city, n, kFromWaiting);
  if (count.cavalry > 1) Form(TCorpsKind::CavalryDivision, city, n, kFromWaiting);
  if (CurrentCorps != 0) AddSaturated(GameState.Nations[n].AiWeight[theatre], 1);
}

int GarrisonKeptBy(int n, int c) {
  const TCity& city = GameState.Cities[c];
  AssessCityThreat(c, n, 3);
  if (GameState.Nations[n].Capital != c) return 0;
  int keep = city.GarrisonNeed + (ThreatEnemyCount == 0 ? kQuietCapitalKeep : kCapitalKeep);
  if (n != TNation::Union) keep /= 2;
  return keep;
}

ArmCount GarrisonOf(int n, int c) {
  ArmCount count;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == n && IsGarrisonOf(brigade, c)) count.Add(brigade.Arm);
  }
  return count;
}

// The Union and the Confederacy raise where they formed fewest corps lately,
// with some chance, and nowhere when every theatre is well served; France
// raises in the West and Britain on the Seaboard.
int TheatreForNewCorps(int n) {
  if (n == TNation::France) return TTheatre::West;
  if (n == TNation::Britain) return TTheatre::Seaboard;
  const auto& weight = GameState.Nations[n].AiWeight;
  int best = kWellServedScore, chosen = 0;
  for (int t = 1; t <= kTheatreCount; ++t) {
    // The Seaboard counts its corps three times, the West once, the river twice.
    int score = 2 * weight[t];
    if (t == TTheatre::Seaboard) score += weight[TTheatre::Seaboard];
    if (t == TTheatre::West) score -= weight[TTheatre::West];
    score += Random(kScoreChance);
    if (score < best) {
      best = score;
      chosen = t;
    }
  }
  return chosen;
}

}  // namespace

void BalanceCorpsBrigades(int n) {
  for (int t = kTheatreCount; t >= 1; --t) {
    for (int k = 1; k <= GameState.Corps.Count; ++k)
      if (MayTakeBrigades(GameState.Corps[k], n, t)) BalanceCorps(n, k);
  }
}

void FormCorpsFromWaitingBrigades(int n) {
  if (GameState.Nations[n].CorpsCount >= kMostCorpsRaised) return;
  for (int round = 0; round < kMostNewCorpsRounds; ++round) {
    const int theatre = TheatreForNewCorps(n);
    if (theatre == 0) return;
    const int city = CityForNewCorps(n, theatre);
    if (city == 0) return;
    RaiseNewCorps(n, theatre, city);
    if (Random(100) > kStopChance) return;
  }
}

void FormCorpsFromSurplusGarrisons(int n) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    // A need this large is a counter run away, not a city's wish.
    if (city.GarrisonNeed > 200) city.GarrisonNeed = 0;
    if (city.Side != n || city.GarrisonCount == 0 || city.GarrisonNeed >= city.GarrisonCount)
      continue;
    if (city.GarrisonCount <= GarrisonKeptBy(n, c)) continue;
    const ArmCount garrison = GarrisonOf(n, c);
    CurrentCorps = 0;
    if (garrison.total() == 0) continue;
    if (garrison.infantry > 2) Form(TCorpsKind::Corps, c, n, kFromGarrison);
    // The capital gives up whole corps only.
    if (GameState.Nations[n].Capital == c) continue;
    if (garrison.infantry > 1 && CurrentCorps == 0)
      Form(TCorpsKind::InfantryDivision, c, n, kFromGarrison);
    if (garrison.cavalry > 0) Form(TCorpsKind::CavalryDivision, c, n, kFromGarrison);
  }
}

void PromoteDivisions(int n) {
  if (GameState.Nations[n].CorpsCount <= kCorpsForPromotion) return;
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    TLeader* leader = LeaderRecord(corps.Leader);
    if (corps.Inactive != 0 || corps.Nation != n || leader == nullptr ||
        corps.Kind != TCorpsKind::InfantryDivision)
      continue;
    CurrentLeader = corps.Leader;
    if (leader->Modifier < 0 && leader->Rank <= 2) continue;
    corps.Kind = TCorpsKind::Corps;
    corps.Capacity = static_cast<std::uint8_t>(leader->Combat / 12 + 4);
    if (leader->Rank < 3) leader->Rank = 3;
  }
}
