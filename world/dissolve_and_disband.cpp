#include "world/dissolve_and_disband.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// The part of a corps record that a disbanded corps loses; its path and the
// steps it took this turn stay for the replay.
constexpr std::size_t kDisbandedBytes = offsetof(TCorps, Path);
constexpr int kNoticeNameWidth = 33;
// No two hexes of the map lie farther apart.
constexpr int kFarthestHex = TMapRecord::Columns + TMapRecord::Rows;
constexpr int kLostAtSea = 255;

bool HasBrigades(int corps) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    if (IsBrigadeOfCorps(GameState.Brigades[b], corps)) return true;
  }
  return false;
}

// The first other active corps of the nation within one hex; 0 when none.
int NeighbourCorps(int corps) {
  const TCorps& leaving = GameState.Corps[corps];
  for (int d = 1; d <= GameState.Corps.Count; ++d) {
    const TCorps& other = GameState.Corps[d];
    if (d == corps || other.IsFree() || other.Nation != leaving.Nation) continue;
    if (Distance(HexOf(leaving), HexOf(other)) < 2) return d;
  }
  return 0;
}

void HandBrigadesToCorps(int corps, int receiver) {
  const int nation = GameState.Corps[corps].Nation;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == nation && IsBrigadeOfCorps(brigade, corps))
      brigade.Location = static_cast<std::uint8_t>(receiver);
  }
}

// The first city of the corps' camp within the distance; 0 when none. An
// enemy city never takes the corps' brigades, and a corps of no camp has no city.
int OwnCityWithin(int corps, int range) {
  const TCorps& leaving = GameState.Corps[corps];
  if (leaving.Side == TSide::None) return 0;
  for (int k = 1; k <= GameState.Cities.Count; ++k) {
    const TCity& city = GameState.Cities[k];
    if (city.Side == leaving.Side && Distance(HexOf(leaving), HexOf(city)) <= range) return k;
  }
  return 0;
}

// The nearest city of the corps' camp, the first of equally near ones.
int NearestOwnCity(int corps) {
  for (int range = 0; range <= kFarthestHex; ++range) {
    const int city = OwnCityWithin(corps, range);
    if (city != 0) return city;
  }
  return 0;
}

void GarrisonBrigadesIn(int corps, int city) {
  GameState.Corps[corps].City = static_cast<std::uint8_t>(city);
  GarrisonCorpsBrigades(corps);
}

void SendBrigadesToCapital(int corps) {
  const int nation = GameState.Corps[corps].Nation;
  const int capital = IsEntryOf(GameState.Nations, nation) ? GameState.Nations[nation].Capital : 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, corps)) continue;
    brigade.Status = TBrigadeStatus::ArmedAndWaiting;
    brigade.Location = static_cast<std::uint8_t>(capital);
  }
}

void ShowDisbandedNotice(int corps) {
  const std::string name = LeaderName(GameState.Corps[corps].Leader);
  ClearEventMessage();
  EventMessage.Line1 = ("Force under " + name).substr(0, kNoticeNameWidth);
  EventMessage.Line2 = "has been disbanded due ";
  EventMessage.Line3 = "to lack of leadership.";
  ShowEventMessage();
}

void ClearCorpsRecord(int c) {
  TCorps& corps = GameState.Corps[c];
  std::memset(&corps, 0, kDisbandedBytes);
  corps.StartX = 0;
  corps.StartY = 0;
  corps.StepsMoved = 0;
  FreeCorpsSlot(c);
}

}  // namespace

void DissolveArmy(int army) {
  if (!IsEntryOf(GameState.Armies, army)) return;
  TArmy& record = GameState.Armies[army];
  // The name's characters stay, as the bytes past a name's length always do.
  const Str<22> name = record.Name;
  record = TArmy{};
  record.Name = name;
  record.Name.Length = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (GameState.Corps[c].Army == army) GameState.Corps[c].Army = 0;
  }
}

void DisbandCorps(int corps) {
  if (!IsEntryOf(GameState.Corps, corps)) return;
  const int receiver = NeighbourCorps(corps);
  if (receiver != 0) HandBrigadesToCorps(corps, receiver);
  if (HasBrigades(corps)) {
    const int city = OwnCityWithin(corps, 1);
    if (city != 0) GarrisonBrigadesIn(corps, city);
  }
  if (HasBrigades(corps)) {
    ShowDisbandedNotice(corps);
    GarrisonLeftoverBrigades(corps);
  }
  ClearCorpsRecord(corps);
}

void GarrisonLeftoverBrigades(int corps) {
  if (!IsEntryOf(GameState.Corps, corps)) return;
  const TCorps& leaving = GameState.Corps[corps];
  const bool ownCity = IsCity(leaving.City) && GameState.Cities[leaving.City].Side == leaving.Side;
  const int city = ownCity ? leaving.City : NearestOwnCity(corps);
  if (city != 0)
    GarrisonBrigadesIn(corps, city);
  else
    SendBrigadesToCapital(corps);
}

void LoseCorpsAtSea(int c) {
  if (!IsEntryOf(GameState.Corps, c)) return;
  TCorps& corps = GameState.Corps[c];
  if (IsEntryOf(GameState.Leaders, corps.Leader))
    GameState.Leaders[corps.Leader].Status = kLostAtSea;
  corps.Leader = corps.X = corps.Y = corps.Disorder = corps.Army = 0;
  corps.Readiness = corps.BattleMark = corps.LastMoveDir = corps.Nation = corps.Side = 0;
  FreeCorpsSlot(c);
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (IsBrigadeOfCorps(brigade, c)) ClearBrigade(b);
  }
}
