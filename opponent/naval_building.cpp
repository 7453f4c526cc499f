#include "opponent/naval_building.h"

#include <algorithm>

#include "opponent/theatre_reserve.h"
#include "world/codes.h"
#include "world/fleet_consolidation.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/ship_building.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// The slots of TNationRec.ShipTally.
constexpr int kRiverIronclads = 1;
constexpr int kSeaWarships = 2;
constexpr int kRiverWarships = 3;
constexpr int kSeaTransports = 4;
constexpr int kSeaIronclads = 6;

constexpr int kSeaFleetKind = 1;
constexpr int kRepairCost[] = {0, 50, 10, 1};  // by ship type
constexpr int kLastBuildingStatus = 25;
// Fleets this many turns from launch were ordered this turn or the last.
constexpr int kFreshOrderStatus = 24;
constexpr int kLaunchChance = 90;

constexpr int kLostNotice = 15;
constexpr int kLaunchedNotice = 16;
constexpr int kNationShipyardText = 150;  // plus the nation
constexpr int kLostText = 155;
constexpr int kLaunchedText = 143;

constexpr int kInfantryShare = 1;
constexpr int kNavalShare = 4;
constexpr int kShareBuildPoints = 30;
constexpr int kOrderBuildPoints = 20;
constexpr int kOrderRounds = 51;
constexpr int kYardSupplies = 2000;

void RepairShips(TFleet& fleet, const TCity& port, U16& supplies) {
  for (int type = TShipType::Ironclad; type <= TShipType::Transport; ++type) {
    const int yard = type == TShipType::Ironclad ? port.ShipyardA : port.ShipyardB;
    const int damaged = fleet.DamagedShips[type];
    if (damaged == 0 || yard == 0) continue;
    const int cost = kRepairCost[type];
    const int repaired = supplies >= damaged * cost ? damaged : supplies / cost;
    supplies -= static_cast<std::uint16_t>(repaired * cost);
    fleet.DamagedShips[type] -= static_cast<std::uint8_t>(repaired);
    AddSaturated(fleet.Ships[type], repaired);
  }
}

bool HasDamage(const TFleet& fleet) {
  for (int type = 1; type <= fleet.DamagedShips.Count; ++type)
    if (fleet.DamagedShips[type] != 0) return true;
  return false;
}

void ShowShipyardNotice(int kind, const TFleet& fleet, const TCity& port, int text) {
  ClearEventMessage();
  EventMessage.Kind = static_cast<std::uint16_t>(kind);
  EventMessage.Line1 = TextLine(kNationShipyardText + fleet.Nation);
  EventMessage.Line2 = port.Name.str() + TextLine(text);
  ShowEventMessage();
}

void AddToTally(const TFleet& fleet) {
  if (!IsEntryOf(GameState.Nations, fleet.Nation)) return;
  auto& tally = GameState.Nations[fleet.Nation].ShipTally;
  const auto ships = [&](int type) { return fleet.Ships[type] + fleet.DamagedShips[type]; };
  if (fleet.Kind == kRiverFleetKind) {
    AddSaturated(tally[kRiverIronclads], ships(TShipType::Ironclad));
    AddSaturated(tally[kRiverWarships], ships(TShipType::Warship));
  } else {
    AddSaturated(tally[kSeaIronclads], ships(TShipType::Ironclad));
    AddSaturated(tally[kSeaWarships], ships(TShipType::Warship));
    AddSaturated(tally[kSeaTransports], ships(TShipType::Transport));
  }
}

NavalWants EnemyShips(int n) {
  NavalWants enemy;
  for (int m = 1; m <= GameState.Nations.Count; ++m) {
    const TNationRec& other = GameState.Nations[m];
    if (other.Side == GameState.Nations[n].Side) continue;
    enemy.ironclads += other.ShipTally[kSeaIronclads];
    enemy.riverIronclads += other.ShipTally[kRiverIronclads];
    enemy.warships += other.ShipTally[kSeaWarships];
    enemy.riverWarships += other.ShipTally[kRiverWarships];
    enemy.transports += other.ShipTally[kSeaTransports];
  }
  return enemy;
}

int TotalSupplies(const TNationRec& nation) {
  int total = 0;
  for (int t = 1; t <= kTheatreCount; ++t) total += nation.Supplies[t];
  return total;
}

void CapWarships(NavalWants& want, int ironclads, int warships, int riverIronclads,
                 int riverWarships) {
  want.ironclads = std::min(want.ironclads, ironclads);
  want.warships = std::min(want.warships, warships);
  want.riverIronclads = std::min(want.riverIronclads, riverIronclads);
  want.riverWarships = std::min(want.riverWarships, riverWarships);
}

// The Union matches the enemy and more, and escorts its transports.
NavalWants UnionWants(NavalWants want, const TNationRec& nation) {
  want.ironclads += 4 + want.transports / 4;
  want.riverIronclads += 4;
  want.warships += 8 + want.transports / 2;
  want.riverWarships += 6;
  want.transports = std::max(want.transports / 6, 12);
  CapWarships(want, 24, 32, 8, 8);
  if (TotalSupplies(nation) < 4000) {
    want.ironclads /= 2;
    want.warships /= 2;
    want.transports /= 2;
    want.riverIronclads /= 2;
    want.riverWarships /= 2;
  }
  return want;
}

// The Confederacy answers a part of the enemy's fleet and runs its cotton;
// each theatre short of supplies, or a poor nation, cuts the plan again.
NavalWants ConfederateWants(NavalWants want, int n) {
  const TNationRec& nation = GameState.Nations[n];
  want.ironclads /= 4;
  want.riverIronclads /= 2;
  want.warships /= 4;
  want.riverWarships /= 2;
  want.transports = std::min(nation.ShipTally[kSeaTransports] + 8, 30);
  for (int t = 1; t <= kTheatreCount; ++t) {
    want.transports = std::max<int>(want.transports, nation.Cotton[t] / 1000);
    CapWarships(want, 8, 12, 4, 4);
    if (nation.Supplies[t] < TheatreReserve(n, t)) want = NavalWants{};
    if (TotalSupplies(nation) < 3000) {
      want.ironclads /= 3;
      want.warships /= 3;
      want.riverIronclads /= 3;
      want.riverWarships /= 3;
    }
  }
  return want;
}

NavalWants ForeignWants(const NavalWants& enemy, int ironclads, int mostWarships, int transports) {
  NavalWants want;
  want.ironclads = std::min(ironclads, 12);
  want.warships = std::min(enemy.warships / 2, mostWarships);
  want.transports = transports;
  return want;
}

NavalWants Lacking(int n, const NavalWants& want) {
  const auto& tally = GameState.Nations[n].ShipTally;
  const auto lack = [](int wanted, int held) { return std::max(0, wanted - held); };
  NavalWants need;
  need.ironclads = lack(want.ironclads, tally[kSeaIronclads]);
  need.riverIronclads = lack(want.riverIronclads, tally[kRiverIronclads]);
  need.warships = lack(want.warships, tally[kSeaWarships]);
  need.riverWarships = lack(want.riverWarships, tally[kRiverWarships]);
  need.transports = lack(want.transports, tally[kSeaTransports]);
  return need;
}

// Moves production between the army and the navy on the first turn of a
// month; the shares keep their sum.
void ShiftProductionShare(int n) {
  TNationRec& nation = GameState.Nations[n];
  if (GameState.Day >= 8 || nation.BuildPoints >= kShareBuildPoints) return;
  auto& share = nation.ProductionShare;
  const int navalGoal = n <= TNation::Confederacy ? 10 : 20;
  if (share[kNavalShare] < navalGoal && share[kInfantryShare] > 0) {
    ++share[kNavalShare];
    --share[kInfantryShare];
  }
  const auto keepNaval = [&](int kept) {
    share[kInfantryShare] =
        static_cast<std::uint8_t>(share[kInfantryShare] + share[kNavalShare] - kept);
    share[kNavalShare] = static_cast<std::uint8_t>(kept);
  };
  const auto& tally = nation.ShipTally;
  if (n != TNation::Confederacy && tally[kSeaWarships] > 30 && tally[kSeaIronclads] > 10 &&
      share[kNavalShare] > 9)
    keepNaval(1);
  if (n == TNation::Confederacy && share[kNavalShare] > 5 && tally[kSeaTransports] > 30)
    keepNaval(3);
}

bool IsOwnPort(int n, const TCity& city) {
  return IsEntryOf(GameState.States, city.State) && GameState.States[city.State].Nation == n &&
         city.OriginalSide == n && city.Side == GameState.Nations[n].Side &&
         IsTheatre(city.Theatre);
}

bool IsOwnSeaPort(int n, const TCity& city) {
  return city.SeaPort != 0 && IsOwnPort(n, city);
}
bool IsOwnRiverPort(int n, const TCity& city) {
  return city.RiverPort != 0 && IsOwnPort(n, city);
}

U16& SuppliesAt(int n, const TCity& city) {
  return GameState.Nations[n].Supplies[city.Theatre];
}

struct YardSums {
  int a = 0;
  int b = 0;
};

template <typename IsPort>
YardSums SumYards(int n, IsPort isPort) {
  YardSums sums;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!isPort(n, city)) continue;
    sums.a += city.ShipyardA;
    sums.b += city.ShipyardB;
  }
  return sums;
}

// The port among those that qualify with the highest draw above the best so
// far; a river pick raises the bar by a fresh draw instead.
template <typename Qualifies, typename Draw, typename NextBest>
int PickPort(Qualifies qualifies, Draw draw, NextBest nextBest) {
  int best = 0, chosen = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (!qualifies(GameState.Cities[c])) continue;
    const int score = draw(GameState.Cities[c]);
    if (score <= best) continue;
    chosen = c;
    best = nextBest(score);
  }
  return chosen;
}

int RandomSeaPort(int n) {
  return PickPort([n](const TCity& city) { return IsOwnSeaPort(n, city); },
                  [](const TCity&) { return Random(100); }, [](int score) { return score; });
}

int RandomRiverPort(int n) {
  return PickPort([n](const TCity& city) { return IsOwnRiverPort(n, city); },
                  [](const TCity&) { return Random(100); }, [](int) { return Random(100); });
}

// Yards are added one a pass until the sum passes the goal; a pass the
// theatre cannot pay for still counts.
void BuildSeaYards(int n, std::uint8_t TCity::*yard, int sum, int goal, int price) {
  const int port = RandomSeaPort(n);
  if (port == 0) return;
  TCity& city = GameState.Cities[port];
  for (; sum <= goal; ++sum) {
    U16& supplies = SuppliesAt(n, city);
    if (supplies < kYardSupplies) continue;
    AddSaturated(city.*yard, 1);
    supplies -= static_cast<std::uint16_t>(price);
  }
}

void BuildRiverYard(int n, std::uint8_t TCity::*yard, int price) {
  const int port = RandomRiverPort(n);
  if (port == 0) return;
  TCity& city = GameState.Cities[port];
  U16& supplies = SuppliesAt(n, city);
  if (supplies < price) return;
  AddSaturated(city.*yard, 1);
  supplies -= static_cast<std::uint16_t>(price);
}

void BuildShipyards(int n, const NavalWants& need) {
  const YardSums sea = SumYards(n, IsOwnSeaPort);
  if (sea.a < need.ironclads / 2 && sea.a < 8)
    BuildSeaYards(n, &TCity::ShipyardA, sea.a, need.ironclads / 2, 500);
  const int hulls = need.transports + need.warships;
  if (sea.b < hulls / 2 && sea.b < 16)
    BuildSeaYards(n, &TCity::ShipyardB, sea.b, hulls * 2 / 3, 250);
  const YardSums river = SumYards(n, IsOwnRiverPort);
  if (river.a < need.riverIronclads / 2) BuildRiverYard(n, &TCity::ShipyardA, 500);
  if (river.b < need.riverWarships / 2) BuildRiverYard(n, &TCity::ShipyardB, 250);
}

// Orders ships of one type; the need falls by what was laid down.
void Order(int n, int port, int fleetKind, int type, int& need) {
  const int count = need;
  BuildShipsAtCity(n, port, fleetKind, type == TShipType::Ironclad ? count : 0,
                   type == TShipType::Warship ? count : 0,
                   type == TShipType::Transport ? count : 0);
  if (CurrentFleet != 0) need = std::max(0, need - GameState.Fleets[CurrentFleet].Ships[type]);
}

void OrderSeaShips(int n, NavalWants& need) {
  const int port = PickPort(
      [&](const TCity& city) {
        return IsOwnSeaPort(n, city) &&
               ((city.ShipyardB != 0 && (need.transports != 0 || need.warships != 0)) ||
                (city.ShipyardA != 0 && need.ironclads != 0));
      },
      [](const TCity&) { return Random(100); }, [](int score) { return score; });
  if (port == 0) return;
  const TCity& city = GameState.Cities[port];
  if (need.transports > 3 && city.ShipyardB != 0)
    Order(n, port, kSeaFleetKind, TShipType::Transport, need.transports);
  if (need.ironclads > 1 && city.ShipyardA != 0)
    Order(n, port, kSeaFleetKind, TShipType::Ironclad, need.ironclads);
  if (need.warships > 2 && city.ShipyardB != 0)
    Order(n, port, kSeaFleetKind, TShipType::Warship, need.warships);
}

void OrderRiverShips(int n, NavalWants& need) {
  const int port = PickPort(
      [&](const TCity& city) {
        return IsOwnRiverPort(n, city) && ((city.ShipyardB != 0 && need.riverWarships != 0) ||
                                           (city.ShipyardA != 0 && need.riverIronclads != 0));
      },
      [](const TCity& city) { return Random(5) + city.ShipyardB + city.ShipyardA; },
      [](int score) { return score; });
  if (port == 0) return;
  const TCity& city = GameState.Cities[port];
  if (need.riverIronclads > 1 && city.ShipyardA != 0)
    Order(n, port, kRiverFleetKind, TShipType::Ironclad, need.riverIronclads);
  if (need.riverWarships > 2 && city.ShipyardB != 0)
    Order(n, port, kRiverFleetKind, TShipType::Warship, need.riverWarships);
}

}  // namespace

void RefitFleetsInPort(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != n || fleet.Status != 0 || fleet.Mission > TFleetMission::Refit ||
        !IsEntryOf(GameState.Cities, fleet.HomePort))
      continue;
    const TCity& port = GameState.Cities[fleet.HomePort];
    if (port.ShipyardA == 0 && port.ShipyardB == 0) {
      fleet.Mission = TFleetMission::Nothing;
      continue;
    }
    if (fleet.X == port.X && fleet.Y == port.Y && IsTheatre(port.Theatre))
      RepairShips(fleet, port, GameState.Nations[n].Supplies[port.Theatre]);
    // A fleet with no damaged ship left has no refit to sail home for, in port
    // or at sea.
    if (!HasDamage(fleet)) fleet.Mission = TFleetMission::Nothing;
  }
}

void CountDownFleetConstruction(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != n || fleet.Status < 1 || fleet.Status > kLastBuildingStatus) continue;
    // A fleet building in no port has nowhere to be launched.
    if (!IsEntryOf(GameState.Cities, fleet.HomePort)) {
      FreeFleetSlot(fleet);
      continue;
    }
    const TCity& port = GameState.Cities[fleet.HomePort];
    if (port.Side != fleet.Side) {
      ShowShipyardNotice(kLostNotice, fleet, port, kLostText);
      FreeFleetSlot(fleet);
      continue;
    }
    if (Random(100) < kLaunchChance) --fleet.Status;
    fleet.X = port.X;
    fleet.Y = port.Y;
    fleet.StartX = port.X;
    fleet.StartY = port.Y;
    if (fleet.Status == 0) ShowShipyardNotice(kLaunchedNotice, fleet, port, kLaunchedText);
  }
}

void TallyShips() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    auto& tally = GameState.Nations[n].ShipTally;
    for (int slot : {kRiverIronclads, kSeaWarships, kRiverWarships, kSeaTransports, kSeaIronclads})
      tally[slot] = 0;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f)
    if (GameState.Fleets[f].Status < kFreshOrderStatus) AddToTally(GameState.Fleets[f]);
}

NavalWants WantedShips(int n) {
  const NavalWants enemy = EnemyShips(n);
  switch (n) {
    case TNation::Union:
      return UnionWants(enemy, GameState.Nations[n]);
    case TNation::Confederacy:
      return ConfederateWants(enemy, n);
    case TNation::France:
      return ForeignWants(enemy, enemy.ironclads / 2 + 2, 16, 6);
    default:
      return ForeignWants(enemy, enemy.ironclads / 2, 24, 12);
  }
}

void PlanNavalBuilding(int n) {
  TallyShips();
  NavalWants need = Lacking(n, WantedShips(n));
  ShiftProductionShare(n);
  BuildShipyards(n, need);
  if (GameState.Nations[n].BuildPoints < kOrderBuildPoints) return;
  for (int round = 0; round < kOrderRounds; ++round) {
    if (Random(100) < 50)
      OrderSeaShips(n, need);
    else
      OrderRiverShips(n, need);
  }
}
