#include "world/corps_forming.h"

#include <array>
#include <string>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/force_slots.h"
#include "world/formation_notice.h"
#include "world/game_window.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/supply_and_attrition.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kNoRoomText = 107;
constexpr int kFormedCorpsText = 368;  // then 369 and 370 for the two divisions
constexpr int kAllNationsView = 3;

constexpr std::array<const char*, 5> kNationWords = {"", "Union ", "Confed ", "French ",
                                                     "British "};

// What a new formation starts with, camped in its city and told to hold it.
constexpr int kNewPosture = 2;
constexpr int kNewCohesion = 5;
constexpr int kNewReadiness = 10;
constexpr int kNewQuality = 1;
// A commander who is chosen while badly out of favour starts afresh.
constexpr int kForgivenModifier = -5;

int TheatreOf(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return 0;
  return GameState.Cities[city].Theatre;
}

bool IsForeignPower(int nation) {
  return nation == TNation::France || nation == TNation::Britain;
}

// The brigades the new formation may draw on. France and Britain also take
// their garrison in the city when they raise from waiting brigades.
bool IsCandidate(const TBrigade& brigade, int city, int nation, int source) {
  if (brigade.Nation != nation) return false;
  const bool garrisonHere = IsGarrisonOf(brigade, city);
  if (source == kFromGarrison) return garrisonHere;
  return brigade.Status == TBrigadeStatus::ArmedAndWaiting ||
         (IsForeignPower(nation) && garrisonHere);
}

bool AnyCandidate(int city, int nation, int source) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    if (IsCandidate(GameState.Brigades[b], city, nation, source)) return true;
  return false;
}

// The arm that fills a formation's ranks; artillery joins any kind.
int LineArm(int kind) {
  return kind == TCorpsKind::CavalryDivision ? TArm::Cavalry : TArm::Infantry;
}

// France and Britain draw on their garrison even when raising from waiting
// brigades, so whether a garrison is left is read from the brigade itself.
void JoinCorps(TBrigade& brigade, int corps) {
  const int garrison = brigade.Status == TBrigadeStatus::InGarrison ? brigade.Location : 0;
  brigade.Location = static_cast<std::uint8_t>(corps);
  brigade.Status = TBrigadeStatus::InCorps;
  if (garrison != 0) RecountGarrison(garrison);
}

// Takes brigades in slot order: artillery up to half the capacity, the line arm
// until the capacity is reached. Until the next recount a battery counts 1 in
// the corps' strength.
void TakeBrigades(int c, int city, int nation, int source) {
  TCorps& corps = GameState.Corps[c];
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsCandidate(brigade, city, nation, source)) continue;
    if (brigade.Arm == TArm::Artillery && corps.ArtilleryBrigades < corps.Capacity / 2) {
      AddSaturated(corps.ArtilleryStrength, brigade.Strength);
      ++corps.ArtilleryBrigades;
      AddSaturated(corps.Strength, 1);
      JoinCorps(brigade, c);
    } else if (brigade.Arm == LineArm(corps.Kind)) {
      AddSaturated(corps.Strength, brigade.Strength);
      ++corps.OtherBrigades;
      JoinCorps(brigade, c);
    }
    if (corps.OtherBrigades == corps.Capacity) return;
  }
}

void AnnounceFormation(int c, int city, int nation) {
  const int view = GameState.MessageView;
  if (view != nation && view != kAllNationsView) return;
  const TCorps& corps = GameState.Corps[c];
  const std::string headline = kNationWords[nation] + TextLine(kFormedCorpsText + corps.Kind);
  ShowFormationNotice(kCorpsFormedNotice, headline, corps.Leader, city);
}

void ReportNoRoom() {
  if (CurrentSide == 0) return;
  Window().SetCursor(WindowCursor::Default);
  Window().ShowMessage(TextLine(kNoRoomText));
}

// The leader goes back to the pool and the slot is given up.
int Abandon(int c, int leader) {
  GameState.Leaders[leader].Status = TLeaderStatus::Available;
  FreeCorpsSlot(c);
  return 0;
}

}  // namespace

int FormCorpsFromBrigades(int kind, int city, int nation, int source) {
  const int c = AllocateCorpsSlot(nation);
  const int theatre = TheatreOf(city);
  if (c == 0 || theatre < TTheatre::Seaboard || theatre > TTheatre::Mississippi) {
    // A slot taken for a city outside the theatres is given back.
    if (c != 0) FreeCorpsSlot(c);
    ReportNoRoom();
    return 0;
  }
  TCorps& corps = GameState.Corps[c];
  corps.Kind = static_cast<std::uint8_t>(kind);
  corps.OtherBrigades = corps.ArtilleryBrigades = 0;
  corps.Strength = 0;
  corps.ArtilleryStrength = 0;

  const int leader = ChooseSuccessor(nation, CommandKindOfCorps(kind), kind, 0);
  if (leader == 0 || !AppointCorpsSuccessor(nation, leader)) {
    FreeCorpsSlot(c);
    return 0;
  }
  const int capacity = CommandCapacity(kind, nation, GameState.Leaders[leader].Combat);
  StoreSaturated(corps.Capacity, capacity);

  if (!AnyCandidate(city, nation, source)) return Abandon(c, leader);
  // A human player forms his corps himself, in the raise-corps dialog.
  if (GameState.Nations[nation].Human == 0) TakeBrigades(c, city, nation, source);
  if (corps.Strength == 0) return Abandon(c, leader);

  PlaceNewFormation(c, city, nation, leader);
  AnnounceFormation(c, city, nation);
  TLeader& commander = GameState.Leaders[leader];
  if (commander.Modifier < kForgivenModifier) commander.Modifier = 0;
  return c;
}

void PlaceNewFormation(int c, int city, int nation, int leader) {
  TCorps& corps = GameState.Corps[c];
  const TCity& home = GameState.Cities[city];
  GiveCorpsCommander(c, leader);
  corps.X = corps.DestX = home.X;
  corps.Y = corps.DestY = home.Y;
  corps.Posture = kNewPosture;
  corps.Stance = TCombatStance::Defend;
  corps.Theatre = home.Theatre;
  corps.State = home.State;
  corps.SupplyType = TSupplyType::Encampment;
  corps.Disorder = 0;
  corps.Entrenchment = 0;
  corps.March = TMarchMode::Standard;
  corps.Army = 0;
  corps.Cohesion = kNewCohesion;
  corps.Fatigue = 0;
  corps.SupplyPriority = TSupplyPriority::Standard;
  corps.SupplyStatus = 0;
  corps.Spotted = 0;
  corps.City = static_cast<std::uint8_t>(city);
  corps.Readiness = kNewReadiness;
  corps.BattleMark = 0;
  corps.LastMoveDir = 0;
  corps.Inactive = 0;
  corps.Nation = static_cast<std::uint8_t>(nation);
  corps.Side = static_cast<std::uint8_t>(CampOfNation(nation));
  corps.Quality = kNewQuality;
}
