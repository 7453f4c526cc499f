#include "world/formation_notice.h"

#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kCommanderText = 21;
constexpr int kCityText = 105;

std::string CityName(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return "";
  return GameState.Cities[city].Name.str();
}

}  // namespace

void ShowFormationNotice(int kind, const std::string& headline, int leader, int city) {
  ClearEventMessage();
  EventMessage.Kind = static_cast<std::uint16_t>(kind);
  EventMessage.Line1 = headline;
  EventMessage.Line2 = TextLine(kCommanderText) + " " + LeaderName(leader);
  EventMessage.Line3 = TextLine(kCityText) + " " + CityName(city);
  ShowEventMessage();
}
