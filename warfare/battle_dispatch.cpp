#include "warfare/battle_dispatch.h"

#include <array>
#include <string>

#include "warfare/battle_context.h"
#include "warfare/battle_sound.h"
#include "warfare/city_assault.h"
#include "warfare/field_battle.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/force_totals.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/text_table.h"

namespace {

constexpr int kMostOpeningMark = 4;
// A mark the turn's battles leave alone.
constexpr int kKeptMark = 100;
constexpr int kMostExperience = 12;
constexpr int kFoughtThisTurn = 8;  // TCorps.Activity
constexpr int kStandardNotice = 0;
// Tells the main window that the mail turn's battles are over.
constexpr int kMailBattlesOver = 10;
// The view puts the battle hex this many columns and rows in.
constexpr int kViewColumnsBefore = 8;
constexpr int kViewRowsAbove = 4;

using CorpsFlags = std::array<bool, kBattleCorpsSlots + 1>;

// What the corps on the battle hex bring to it, per camp (1, 2): strength,
// and the line brigades without which a camp's guns alone fight nothing.
struct Engagement {
  std::array<int, kSideCount + 1> strength{};
  std::array<int, kSideCount + 1> brigades{};
};

bool OpensBattle(const TCorps& corps) {
  return !corps.IsFree() && corps.BattleMark >= 1 && corps.BattleMark <= kMostOpeningMark &&
         corps.Stance <= TCombatStance::Embarked && corps.Disorder == 0;
}

// The four hit tallies of the battle record, the sides' totals among them.
void ClearHitTallies() {
  GameState.Reserved41319 = 0;
  GameState.Hits1 = 0;
  GameState.Reserved41323 = 0;
  GameState.Hits2 = 0;
}

// The first city of another camp on the battle hex with a garrison; works
// without men defend nothing.
int DefendedCity(int camp) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == GameState.BattleX && city.Y == GameState.BattleY && city.Side != camp &&
        city.GarrisonCount != 0)
      return c;
  }
  return 0;
}

// A disordered corps is rallied at half its readiness; one in training
// stands to defend. This is the one place a corps is readied for the fight,
// for a field battle and for the assault of a city alike. Its commanders gain
// experience, and its nation's offensive in the theatre is spent.
void Engage(TCorps& corps, Engagement& engagement) {
  if (corps.Disorder != 0) {
    corps.Disorder = 0;
    corps.Readiness /= 2;
  }
  if (corps.Stance > TCombatStance::Advance) corps.Stance = TCombatStance::Defend;
  RaiseLeaderRating(corps.Leader, &TLeader::Experience, kMostExperience);
  RaiseLeaderRating(ArmyCommanderOf(corps), &TLeader::Experience, kMostExperience);
  corps.EnemyPressure = 0;
  corps.BattleMark = TBattleMark::Engaged;
  corps.Activity = kFoughtThisTurn;
  if (IsEntryOf(GameState.Nations, corps.Nation) && IsTheatre(corps.Theatre))
    GameState.Nations[corps.Nation].AiAggression[corps.Theatre] = 0;
  const int side = corps.Side == TSide::Union ? TSide::Union : TSide::Confederate;
  engagement.strength[side] += corps.Strength + corps.ArtilleryStrength;
  engagement.brigades[side] += corps.OtherBrigades;
}

// Every corps on the hex but those aboard a fleet, whatever its camp.
Engagement EngageTheHex(CorpsFlags& drawnIn) {
  Engagement engagement;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || !StandsOnBattleHex(corps) || corps.Stance >= TCombatStance::Embarked)
      continue;
    Engage(corps, engagement);
    drawnIn[c] = true;
  }
  return engagement;
}

// A garrison is assaulted only by corps that neither withdraw nor sit aboard.
bool SomeCorpsAttacks() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && StandsOnBattleHex(corps) && corps.Stance >= TCombatStance::Defend &&
        corps.Stance <= TCombatStance::Training)
      return true;
  }
  return false;
}

void AnnounceAssault(const TCorps& attacker, int city) {
  static const char* const kNationWords[] = {"", "Union ", "Confederate ", "French ", "British "};
  if (!IsHumanNation(attacker.Nation)) return;
  ClearEventMessage();
  EventMessage.Kind = kStandardNotice;
  EventMessage.Line1 = kNationWords[attacker.Nation] + TextLine(454);
  EventMessage.Line2 = TextLine(47) + GameState.Cities[city].Name.str();
  EventMessage.Line3 = TextLine(48);
  ShowEventMessage();
}

// The map is shown round the battle hex with the battle marker on it.
void ShowTheBattleHex() {
  const int x = GameState.BattleX;
  const int y = GameState.BattleY;
  ViewLeft = static_cast<std::uint16_t>(x > kViewColumnsBefore ? x - kViewColumnsBefore : 1);
  ViewTop = static_cast<std::uint16_t>(y > kViewRowsAbove ? y - kViewRowsAbove : 1);
  Window().RepaintMap();
  Window().DrawBattleMarker(MapPixelX(x), MapPixelY(x, y));
}

// The winner's camp takes the hex; a fight that decided nothing leaves it.
void TakeTheHex() {
  const int outcome = GameState.BattleOutcome;
  if ((outcome == 2 || outcome == 3) && TMapRecord::OnMap(GameState.BattleX, GameState.BattleY))
    MapRecord.Cell(GameState.BattleX, GameState.BattleY).SetOwner(outcome - 1);
}

void FightTheFieldBattle() {
  PlayBattleSound();
  RecountCorpsBrigades();
  ClearHitTallies();
  FightFieldBattle();
  RecountCorpsBrigades();
  TakeTheHex();
}

void OpenBattle(int c, CorpsFlags& drawnIn) {
  const TCorps& opener = GameState.Corps[c];
  TargetHexX = GameState.BattleX = opener.X;
  TargetHexY = GameState.BattleY = opener.Y;
  ClearHitTallies();
  const int city = DefendedCity(opener.Side);
  const Engagement engagement = EngageTheHex(drawnIn);
  BattleStrength1 = engagement.strength[TSide::Union];
  BattleStrength2 = engagement.strength[TSide::Confederate];
  const bool field = BattleStrength1 != 0 && BattleStrength2 != 0;
  const bool assault = !field && city != 0 && SomeCorpsAttacks();
  if (assault) AnnounceAssault(opener, city);
  ShowTheBattleHex();
  if (assault) {
    SetUpCityAssault(city, opener.Side);
    RecountCorpsBrigades();
    TakeTheHex();
  } else if (field && engagement.brigades[TSide::Union] != 0 &&
             engagement.brigades[TSide::Confederate] != 0) {
    FightTheFieldBattle();
  }
}

}  // namespace

void RunBattles() {
  // A corps drawn into a fight opens none in the same turn. Attackers thrown
  // back from a city stay marked as in contact with it, and would otherwise
  // storm it again, once for every later corps of theirs on the hex, with the
  // same men: a repulsed assault waits for the next turn.
  CorpsFlags drawnIn{};
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (!drawnIn[c] && OpensBattle(GameState.Corps[c])) OpenBattle(c, drawnIn);
  if (GameState.PlayMode == TPlayMode::MailSetUp) GameOverCode = kMailBattlesOver;
  // The marks of a mail turn go with the game to the opponent.
  if (GameState.PlayMode >= TPlayMode::MailSetUp) return;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.BattleMark != kKeptMark) corps.BattleMark = 0;
  }
  ComputeForceTotals();
}
