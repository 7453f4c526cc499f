#include "opponent/brigade_announcement.h"

#include <string>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/ordinals.h"
#include "world/shown_guns.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kRecruitsNotice = 23;
constexpr int kPlacementNotice = 22;
constexpr int kArtilleryWordText = 366;
constexpr int kInfantryWordText = 364;
constexpr int kCavalryWordText = 365;
constexpr int kGunsText = 225;
constexpr int kMenText = 226;
constexpr int kGarrisonText = 227;
constexpr int kCorpsText = 228;
// A recruit point of infantry or cavalry is fifty men.
constexpr int kMenPerPoint = 50;
constexpr int kViewAll = 3;

bool MaySee(int nation) {
  const int view = GameState.MessageView;
  return view == kViewAll || ((view == 1 || view == 2) && IsHumanNation(nation));
}

std::string ArmWord(int arm) {
  switch (arm) {
    case TArm::Artillery:
      return " " + TextLine(kArtilleryWordText);
    case TArm::Infantry:
      return " " + TextLine(kInfantryWordText);
    case TArm::Cavalry:
      return " " + TextLine(kCavalryWordText);
    default:
      return "";
  }
}

std::string CityName(int city) {
  return IsEntryOf(GameState.Cities, city) ? GameState.Cities[city].Name.str() : std::string();
}

std::string CommanderName(int corps) {
  return IsEntryOf(GameState.Corps, corps) ? LeaderName(GameState.Corps[corps].Leader)
                                           : std::string();
}

}  // namespace

void AnnounceBrigade(int nation, int place, int brigade, int news, int count) {
  if (!MaySee(nation) || !IsEntryOf(GameState.Brigades, brigade)) return;
  const TBrigade& record = GameState.Brigades[brigade];
  if (!IsEntryOf(GameState.States, record.HomeState)) return;
  ClearEventMessage();
  EventMessage.Line1 = OrdinalWord(record.Number) + GameState.States[record.HomeState].Name.str() +
                       ArmWord(record.Arm);
  switch (news) {
    case TBrigadeNews::Recruited:
      EventMessage.Kind = kRecruitsNotice;
      EventMessage.Line2 =
          record.Arm == TArm::Artillery
              ? std::to_string(count * kGunsPerArtilleryPoint) + TextLine(kGunsText)
              : std::to_string(count * kMenPerPoint) + TextLine(kMenText);
      break;
    case TBrigadeNews::Garrisoned:
      EventMessage.Kind = kPlacementNotice;
      EventMessage.Line2 = TextLine(kGarrisonText) + CityName(place);
      break;
    case TBrigadeNews::Attached:
      EventMessage.Kind = kPlacementNotice;
      EventMessage.Line2 = TextLine(kCorpsText) + CommanderName(place);
      break;
    default:
      break;
  }
  ShowEventMessage();
}
