#include "world/saved_game_check.h"

#include <algorithm>
#include <initializer_list>

#include "world/codes.h"
#include "world/play_modes.h"

namespace {

// Collects the first field found out of range.
class RangeCheck {
 public:
  // `what` names the record, e.g. "corps 12".
  void Field(const std::string& what, const char* field, int value, int last) {
    if (!problem_.empty() || value <= last) return;
    problem_ = what + " has " + field + " " + std::to_string(value) + ", beyond the last (" +
               std::to_string(last) + ")";
  }
  // A field that holds one of a few codes rather than a number up to a last.
  void Code(const std::string& what, const char* field, int value, std::initializer_list<int> codes,
            const char* meaning) {
    if (!problem_.empty() || std::find(codes.begin(), codes.end(), value) != codes.end()) return;
    problem_ = what + " has " + field + " " + std::to_string(value) + ", " + meaning;
  }
  const std::string& Problem() const { return problem_; }

 private:
  std::string problem_;
};

template <typename Record, int N, typename CheckOne>
void CheckTable(RangeCheck& check, const char* name, const Table<Record, N>& table,
                CheckOne check_one) {
  for (int i = 1; i <= N && check.Problem().empty(); ++i) {
    check_one(name + (" " + std::to_string(i)), table[i]);
  }
}

void CheckPosition(RangeCheck& check, const std::string& what, int x, int y) {
  check.Field(what, "column", x, TMapRecord::Columns);
  check.Field(what, "row", y, TMapRecord::Rows);
}

}  // namespace

std::string FindIndexOutOfRange(const TGameState& game) {
  constexpr int kCities = decltype(game.Cities)::Count;
  constexpr int kCorps = decltype(game.Corps)::Count;
  constexpr int kLeaders = decltype(game.Leaders)::Count;
  constexpr int kNations = decltype(game.Nations)::Count;
  constexpr int kStates = decltype(game.States)::Count;
  constexpr int kArmies = decltype(game.Armies)::Count;
  constexpr int kWeapons = decltype(game.WeaponTypes)::Count;

  RangeCheck check;
  check.Field("the game", "MailSide", game.MailSide, kSideCount);
  // A mode the load does not know would be played as a mail turn it may not rebuild.
  check.Code(
      "the game", "PlayMode", game.PlayMode,
      {TPlayMode::OneMachine, TPlayMode::MailSetUp, TPlayMode::MailToSend, TPlayMode::MailReceived},
      "which is no way of playing");
  // Each nation fights in one camp or, beaten or neutral, in none; the
  // computer's operations are chosen by camp and marked by nation.
  for (int n = 1; n <= kNations; ++n) {
    check.Code("nation " + std::to_string(n), "Side", game.Nations[n].Side,
               {TSide::None, n == TNation::Union ? TSide::Union : TSide::Confederate},
               "a camp it never fights in");
  }
  CheckTable(check, "army", game.Armies, [&](const std::string& what, const TArmy& army) {
    if (army.IsFree()) return;
    check.Field(what, "HqCity", army.HqCity, kCities);
    check.Field(what, "Side", army.Side, kSideCount);
    check.Field(what, "Leader", army.Leader, kLeaders);
    check.Field(what, "TargetCity", army.TargetCity, kCities);
    check.Field(what, "Theatre", army.Theatre, kTheatreCount);
    check.Field(what, "AiTargetCity", army.AiTargetCity, kCities);
    check.Field(what, "Nation", army.Nation, kNations);
  });
  // OriginalSide is left out: a value above 4 is repaired on loading.
  CheckTable(check, "city", game.Cities, [&](const std::string& what, const TCity& city) {
    CheckPosition(check, what, city.X, city.Y);
    check.Field(what, "Side", city.Side, kSideCount);
    check.Field(what, "State", city.State, kStates);
    check.Field(what, "Theatre", city.Theatre, kTheatreCount);
    check.Field(what, "Nation", city.Nation, kNations);
  });
  CheckTable(check, "corps", game.Corps, [&](const std::string& what, const TCorps& corps) {
    if (corps.IsFree()) return;
    CheckPosition(check, what, corps.X, corps.Y);
    CheckPosition(check, what, corps.DestX, corps.DestY);
    check.Field(what, "Side", corps.Side, kSideCount);
    check.Field(what, "Theatre", corps.Theatre, kTheatreCount);
    check.Field(what, "State", corps.State, kStates);
    check.Field(what, "Army", corps.Army, kArmies);
    check.Field(what, "City", corps.City, kCities);
    check.Field(what, "Leader", corps.Leader, kLeaders);
    check.Field(what, "Nation", corps.Nation, kNations);
  });
  CheckTable(check, "leader", game.Leaders, [&](const std::string& what, const TLeader& leader) {
    check.Field(what, "Side", leader.Side, kSideCount);
  });
  CheckTable(check, "nation", game.Nations, [&](const std::string& what, const TNationRec& nation) {
    check.Field(what, "Side", nation.Side, kSideCount);
    check.Field(what, "Capital", nation.Capital, kCities);
  });
  CheckTable(check, "state", game.States, [&](const std::string& what, const TStateRec& state) {
    check.Field(what, "Side", state.Side, kSideCount);
    check.Field(what, "CapitalCity", state.CapitalCity, kCities);
    check.Field(what, "ControlSide", state.ControlSide, kSideCount);
    check.Field(what, "Theatre", state.Theatre, kTheatreCount);
    check.Field(what, "Nation", state.Nation, kNations);
  });
  CheckTable(check, "fleet", game.Fleets, [&](const std::string& what, const TFleet& fleet) {
    if (fleet.IsFree()) return;
    CheckPosition(check, what, fleet.X, fleet.Y);
    CheckPosition(check, what, fleet.DestX, fleet.DestY);
    check.Field(what, "Side", fleet.Side, kSideCount);
    check.Field(what, "HomePort", fleet.HomePort, kCities);
    check.Field(what, "Objective", fleet.Objective, kCities);
    check.Field(what, "Corps", fleet.Corps, kCorps);
    check.Field(what, "Nation", fleet.Nation, kNations);
  });
  for (int side = 1; side <= kSideCount; ++side) {
    CheckTable(check, ("army name of side " + std::to_string(side) + ",").c_str(),
               game.ArmyNames[side], [&](const std::string& what, const TArmyName& name) {
                 check.Field(what, "Theatre", name.Theatre, kTheatreCount);
                 check.Field(what, "State", name.State, kStates);
               });
  }
  // A brigade in a corps is placed by its corps, any other by its city.
  CheckTable(check, "brigade", game.Brigades,
             [&](const std::string& what, const TBrigade& brigade) {
               if (brigade.IsFree()) return;
               check.Field(what, "Nation", brigade.Nation, kNations);
               check.Field(what, "Location", brigade.Location,
                           brigade.Status == TBrigadeStatus::InCorps ? kCorps : kCities);
               check.Field(what, "Arm", brigade.Arm, kArmCount);
               check.Field(what, "Weapon", brigade.Weapon, kWeapons);
               check.Field(what, "HomeState", brigade.HomeState, kStates);
             });
  return check.Problem();
}

std::string FindIndexOutOfRange(const TMapRecord& map) {
  constexpr int kStates = decltype(TGameState::States)::Count;
  RangeCheck check;
  for (int x = 1; x <= TMapRecord::Columns && check.Problem().empty(); ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      const std::string what = "hex (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      check.Field(what, "owner", map.Cell(x, y).Owner(), kSideCount);
      // Bit 7 of the state byte is a mark of its own, not part of the number.
      check.Field(what, "state", map.Cell(x, y).State(), kStates);
    }
  }
  return check.Problem();
}
