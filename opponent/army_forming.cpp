#include "opponent/army_forming.h"

#include <array>
#include <vector>

#include "world/army_naming.h"
#include "world/codes.h"
#include "world/force_slots.h"
#include "world/hex_grid.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// TCorps.Army of a corps taken for the army being formed. It names no army,
// so no rule may look an army up through it while the phase runs.
constexpr int kChosen = 100;
constexpr int kMostCorps = 6;
constexpr int kGroupRadius = 10;
constexpr int kHeadquartersRoom = 4;
constexpr int kMostArmies = 9;
constexpr int kArmyRank = 5;
constexpr int kFreshArmyOdds = 50;

struct Group {
  std::vector<int> corps;
  std::array<int, 38> tally{};  // brigades by home state; 0 is none
};

bool IsFree(const TCorps& corps, int n, int theatre) {
  return corps.Inactive == 0 && corps.Nation == n && corps.Army == 0 && corps.Theatre == theatre &&
         corps.Stance < TCombatStance::Embarked;
}

int SupplyLevelOf(int city) {
  return IsEntryOf(GameState.Cities, city) ? GameState.Cities[city].SupplyLevel : 0;
}

bool WantsArmy(int n, int theatre) {
  const TNationRec& nation = GameState.Nations[n];
  return nation.AiWeight[theatre] % 3 == 2 ||
         (nation.TheatreFlag[theatre] == 0 && nation.AiWeight[theatre] > 1);
}

template <typename Test>
bool AnyOwnHeadquarters(int n, int theatre, Test test) {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (army.Nation == n && army.Theatre == theatre && IsEntryOf(GameState.Cities, army.HqCity) &&
        test(GameState.Cities[army.HqCity]))
      return true;
  }
  return false;
}

bool MaySeed(int n, int theatre, const TCorps& seed) {
  if (AnyOwnHeadquarters(n, theatre, [&](const TCity& city) {
        return HexDistance(seed.X, seed.Y, city.X, city.Y) < kHeadquartersRoom;
      }))
    return false;
  if (seed.City != 0 && SupplyLevelOf(seed.City) < 2) return false;
  // France raises armies only on the Mississippi.
  return n != TNation::France || theatre == TTheatre::Mississippi;
}

// The state of the corps, when it lies in the theatre; 0 otherwise.
int TalliedState(const TCorps& corps, int theatre) {
  const int state = corps.State;
  return IsEntryOf(GameState.States, state) && GameState.States[state].Theatre == theatre ? state
                                                                                          : 0;
}

// The seed and up to five free corps in supplied cities near it, marked as
// taken. Returns the state of the last one added (the seed's when none was).
int GatherGroup(int n, int theatre, int s, Group& group) {
  TCorps& seed = GameState.Corps[s];
  group.corps = {s};
  group.tally[TalliedState(seed, theatre)] += seed.OtherBrigades;
  int last = seed.State;
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    if (k == s || !IsFree(corps, n, theatre) || corps.City == 0 || SupplyLevelOf(corps.City) <= 1)
      continue;
    if (HexDistance(seed.X, seed.Y, corps.X, corps.Y) >= kGroupRadius ||
        static_cast<int>(group.corps.size()) >= kMostCorps)
      continue;
    group.corps.push_back(k);
    seed.Army = corps.Army = kChosen;
    last = corps.State;
    group.tally[TalliedState(corps, theatre)] += corps.OtherBrigades;
  }
  return last;
}

// The state with the most brigades of the group whose capital the camp
// holds, unless an army of the theatre already keeps its headquarters there.
int StateForArmy(int n, int theatre, const Group& group) {
  int best = 0, chosen = 0;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const int capital = GameState.States[s].CapitalCity;
    if (group.tally[s] <= best || !IsEntryOf(GameState.Cities, capital) ||
        GameState.Cities[capital].Side != GameState.Nations[n].Side)
      continue;
    best = group.tally[s];
    chosen = s;
  }
  if (AnyOwnHeadquarters(n, theatre, [&](const TCity& city) { return city.State == chosen; }))
    return 0;
  return chosen;
}

void SetUpArmy(int n, int theatre, int a, int hq, int leader, const Group& group) {
  const TCorps& seed = GameState.Corps[group.corps.front()];
  TArmy& army = GameState.Armies[a];
  army.HqCity = army.TargetCity = army.AiTargetCity = static_cast<std::uint8_t>(hq);
  army.Leader = static_cast<std::uint8_t>(leader);
  army.Odds = kFreshArmyOdds;
  army.Stance = TCombatStance::Defend;
  army.CorpsCount = 1;
  army.Cohesion = seed.Cohesion;
  army.SupplyPriority = 0;
  army.AiFreeCorps = 1;
  army.Side = GameState.Nations[n].Side;
  army.Nation = static_cast<std::uint8_t>(n);
  army.Rating = seed.Readiness;
  army.Theatre = static_cast<std::uint8_t>(theatre);
  for (int k : group.corps) GameState.Corps[k].Army = static_cast<std::uint8_t>(a);
}

// Forms the army of the group; false when it could not be formed.
bool FormArmy(int n, int theatre, const Group& group) {
  const int state = StateForArmy(n, theatre, group);
  if (state == 0) return false;
  const TCorps& seed = GameState.Corps[group.corps.front()];
  const int hq = seed.City != 0 ? seed.City : GameState.States[state].CapitalCity;
  if (hq == 0) return false;
  const int leader = ChooseSuccessor(n, kArmyCommand, 0, 0);
  if (leader == 0 || !AppointCorpsSuccessor(n, leader)) return false;
  CurrentLeader = static_cast<std::uint16_t>(leader);
  const int a = AllocateArmySlot(n);
  if (a == 0) return false;
  ++GameState.Nations[n].ArmyCount;
  SetUpArmy(n, theatre, a, hq, leader, group);
  TLeader& commander = GameState.Leaders[leader];
  commander.Status = TLeaderStatus::InCommand;
  commander.Rank = kArmyRank;
  NameNewArmy(n, a, state);
  return true;
}

void Unmark(int n) {
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    if (corps.Inactive == 0 && corps.Nation == n && corps.Army == kChosen) corps.Army = 0;
  }
}

// Tries every free corps of the theatre as the seed of an army; a failed
// forming ends the theatre for the turn.
void FormArmiesInTheatre(int n, int theatre) {
  for (int s = 1; s <= GameState.Corps.Count; ++s) {
    if (!IsFree(GameState.Corps[s], n, theatre) || !WantsArmy(n, theatre) ||
        !MaySeed(n, theatre, GameState.Corps[s]))
      continue;
    Group group;
    const int last = GatherGroup(n, theatre, s, group);
    // A group without three brigades from the last corps' state, or a nation
    // with its fill of armies, forms none; its corps stay taken this turn.
    const bool enoughBrigades = IsEntryOf(GameState.States, last) && group.tally[last] >= 3;
    if (!enoughBrigades || GameState.Nations[n].ArmyCount > kMostArmies || group.corps.size() <= 1)
      continue;
    if (!FormArmy(n, theatre, group)) {
      Unmark(n);
      return;
    }
  }
}

}  // namespace

void FormComputerArmies(int n) {
  for (int theatre = 1; theatre <= kTheatreCount; ++theatre) FormArmiesInTheatre(n, theatre);
  Unmark(n);
}
