// The date, the game-wide settings and the fixed tables every start point shares:
// the weather table, the weapon rows and the army names.
#include <cstring>
#include <sstream>

#include "tools/scenario/build_context.h"

namespace {

constexpr int kFirstYear = 1861;

}  // namespace

void BuildHeader(BuildContext& context) {
  TGameState& game = context.Game;
  const SourceTable header = context.Table("header.txt", 2);

  const SourceRow& date = RowNamed(header, "Date");
  const auto dayMonthYear = date.IntList(1, '/');
  if (dayMonthYear.size() != 3) date.Fail("expected day/month/year");
  game.Day = static_cast<std::uint8_t>(dayMonthYear[0]);
  game.Month = static_cast<std::uint16_t>(dayMonthYear[1]);
  game.Year = static_cast<std::uint16_t>(dayMonthYear[2]);
  // The set-up dialog opens only on a game that stands at its start date.
  game.StartMonth = game.Month;
  game.StartYear = game.Year;
  context.File = dayMonthYear[2] - kFirstYear;
  if (context.File < 0 || context.File > 2) date.Fail("the start points are 1861, 1862 and 1863");

  const SourceRow& end = RowNamed(header, "End");
  const auto monthYear = end.IntList(1, '/');
  if (monthYear.size() != 2) end.Fail("expected month/year");
  game.EndMonth = static_cast<std::int16_t>(monthYear[0]);
  game.EndYear = static_cast<std::int16_t>(monthYear[1]);

  game.ExtensionMark = static_cast<std::uint16_t>(RowNamed(header, "Extension mark").Int(1));
  game.ShowLeaderRatings =
      static_cast<std::uint16_t>(RowNamed(header, "Show leader ratings").Int(1));
  game.MessageView = static_cast<std::uint16_t>(RowNamed(header, "Message view").Int(1));
  game.PlayMode = static_cast<std::uint16_t>(RowNamed(header, "Play mode").Int(1));
  game.MailSide = static_cast<std::uint16_t>(RowNamed(header, "Mail side").Int(1));
  game.MoveDelay = static_cast<std::uint16_t>(RowNamed(header, "Move delay").Int(1));
  game.Step = static_cast<std::uint8_t>(RowNamed(header, "Step").Int(1));

  const SourceRow& weather = RowNamed(header, "Weather");
  const SourceRow& active = RowNamed(header, "Computer theatres");
  const auto codes = weather.IntList(1);
  const auto flags = active.IntList(1);
  if (codes.size() != 3) weather.Fail("expected a code for each of the three theatres");
  if (flags.size() != 3) active.Fail("expected a flag for each of the three theatres");
  for (int t = 1; t <= 3; ++t) {
    game.Weather[t] = static_cast<std::uint16_t>(codes[t - 1]);
    game.AiTheatreActive[t] = static_cast<std::uint16_t>(flags[t - 1]);
  }
}

void BuildFixedTables(BuildContext& context) {
  TGameState& game = context.Game;
  const ScenarioSources& sources = context.Sources;

  if (sources.Weather.Rows.size() != 9) throw ScenarioError("weather.txt: expected 9 rows");
  for (int row = 0; row < 9; ++row) {
    const SourceRow& source = sources.Weather.Rows[row];
    if (source.Int(0) != row) source.Fail("rows must be numbered 0..8 in order");
    std::stringstream words(source.Text(2));
    int column = 0;
    for (std::string code; words >> code; ++column) {
      if (column == 12) source.Fail("expected 12 codes");
      game.WeatherTable[row][column] = static_cast<std::uint8_t>(ParseInt(code, source));
    }
    if (column != 12) source.Fail("expected 12 codes");
  }

  for (int w = 1; w <= 8; ++w) {
    const SourceRow& source = sources.Weapons.Rows[w - 1];
    TWeaponType& weapon = game.WeaponTypes[w];
    // The first twelve bytes keep the weapon's name as a short string.
    Str<11> name{};
    name = source.Text(kWeaponName);
    static_assert(sizeof name <= sizeof weapon.Reserved0);
    std::memcpy(weapon.Reserved0, &name, sizeof name);
    weapon.FireA = static_cast<std::uint8_t>(source.Int(kWeaponFireA));
    weapon.FireB = static_cast<std::uint8_t>(source.Int(kWeaponFireB));
    for (int n = 1; n <= 4; ++n) {
      weapon.Cost[n] = static_cast<std::uint8_t>(source.Int(kWeaponCost + n - 1));
    }
  }

  for (const auto& source : sources.ArmyNames.Rows) {
    const int nation = sources.Nation(source.Text(0), source);
    const int entry = source.Int(1);
    if (nation > 2 || entry < 1 || entry > 9)
      source.Fail("army names are entries 1..9 of nations 1 and 2");
    TArmyName& name = game.ArmyNames[nation][entry];
    name.Name = source.Text(2);
    name.Owner = static_cast<std::uint8_t>(nation);
    name.Theatre = static_cast<std::uint8_t>(source.Int(3));
    name.State = static_cast<std::uint8_t>(sources.State(source.Text(4), source));
  }
}
