#include "tools/scenario/scenario_sources.h"

#include <sstream>

namespace {

int Find(const std::map<std::string, int>& index, const std::string& name, const char* what,
         const SourceRow& where) {
  const auto found = index.find(name);
  if (found == index.end()) where.Fail(std::string("unknown ") + what + " '" + name + "'");
  return found->second;
}

// Each shared table lists its entries in index order, so that the number
// column and the entry's place agree and a missing row cannot shift the rest.
std::map<std::string, int> IndexByName(const SourceTable& table, int nameColumn, int count) {
  if (static_cast<int>(table.Rows.size()) != count) {
    throw ScenarioError(table.File + ": expected " + std::to_string(count) + " rows");
  }
  std::map<std::string, int> index;
  for (int i = 1; i <= count; ++i) {
    const SourceRow& row = table.Rows[i - 1];
    if (row.Int(0) != i)
      row.Fail("rows must be numbered 1.." + std::to_string(count) + " in order");
    if (!index.emplace(row.Text(nameColumn), i).second) row.Fail("name given twice");
  }
  return index;
}

}  // namespace

int ScenarioSources::Nation(const std::string& name, const SourceRow& where) const {
  return Find(NationIndex, name, "nation", where);
}
int ScenarioSources::State(const std::string& codeOrName, const SourceRow& where) const {
  return Find(StateIndex, codeOrName, "state", where);
}
int ScenarioSources::City(const std::string& name, const SourceRow& where) const {
  return Find(CityIndex, name, "city", where);
}
int ScenarioSources::Leader(const std::string& name, const SourceRow& where) const {
  return Find(LeaderIndex, name, "leader", where);
}
int ScenarioSources::Weapon(const std::string& code, const SourceRow& where) const {
  return Find(WeaponIndex, code, "weapon", where);
}

std::array<int, 9> ScenarioSources::WeaponList(const SourceRow& row, int column, int file) const {
  std::array<int, 9> output{};
  const std::string& text = row.Text(column);
  if (text == "-") return output;
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    std::stringstream words(item);
    std::string code, amount;
    words >> code >> amount;
    SourceRow value = row;
    value.Cells = {amount};
    output[Weapon(code, row)] = value.PerFile(0, file);
  }
  return output;
}

ScenarioSources ReadScenarioSources(const std::filesystem::path& folder) {
  ScenarioSources sources;
  sources.Folder = folder;
  sources.Nations = ReadSourceTable(folder / "nations.txt", 2);
  sources.States = ReadSourceTable(folder / "states.txt", kStateColumns);
  sources.Cities = ReadSourceTable(folder / "cities.txt", kCityColumns);
  sources.Leaders = ReadSourceTable(folder / "leaders.txt", kLeaderColumns);
  sources.ArmyNames = ReadSourceTable(folder / "army_names.txt", 5);
  sources.Weapons = ReadSourceTable(folder / "weapons.txt", kWeaponCost + 4);
  sources.Weather = ReadSourceTable(folder / "weather.txt", 3);

  sources.NationIndex = IndexByName(sources.Nations, 1, 4);
  sources.StateIndex = IndexByName(sources.States, kStateName, 37);
  for (const auto& row : sources.States.Rows) {
    if (!sources.StateIndex.emplace(row.Text(kStateCode), row.Int(kStateNo)).second) {
      row.Fail("state code given twice");
    }
  }
  sources.CityIndex = IndexByName(sources.Cities, kCityName, 86);
  sources.LeaderIndex = IndexByName(sources.Leaders, kLeaderName, 210);
  sources.WeaponIndex = IndexByName(sources.Weapons, kWeaponCode, 8);
  return sources;
}
