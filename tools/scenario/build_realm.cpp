// States and cities: their 1861 values from the shared tables, then the changes
// of sides that the start point lists.
#include "tools/scenario/build_context.h"

namespace {

enum SidesColumn { kSidesKind, kSidesName, kSidesSide, kSidesOccupation, kSidesColumns };

// A city's nation is its camp; a neutral foreign port keeps the power it
// belongs to (its original side 3 or 4), other neutral cities have none.
std::uint8_t NationOfCity(int side, int originalSide) {
  if (side != 0) return static_cast<std::uint8_t>(side);
  return static_cast<std::uint8_t>(originalSide > 2 ? originalSide : 0);
}

template <int N>
void StoreWeapons(Table<U16, N>& output, const std::array<int, 9>& weapons) {
  for (int w = 1; w <= 8; ++w) output[w] = static_cast<std::uint16_t>(weapons[w]);
}

bool TakesFromCities(const SourceRow& row, int column) {
  return row.Text(column) == "cities";
}

void BuildState(const BuildContext& context, const SourceRow& row) {
  const ScenarioSources& sources = context.Sources;
  TStateRec& state = context.Game.States[row.Int(kStateNo)];
  state.Name = row.Text(kStateName);
  state.ShortName = row.Text(kStateShort);
  state.Side = static_cast<std::uint8_t>(row.Int(kStateSide));
  state.Weight = static_cast<std::uint8_t>(row.Int(kStateWeight));
  state.CapitalCity = static_cast<std::uint8_t>(
      row.Text(kStateCapital) == "-" ? 0 : sources.City(row.Text(kStateCapital), row));
  state.Loyalty = static_cast<std::uint8_t>(row.PerFile(kStateLoyalty, context.File));
  state.ControlSide = static_cast<std::uint8_t>(row.Int(kStateControl));
  state.Theatre = static_cast<std::uint8_t>(row.Int(kStateTheatre));
  state.Nation = static_cast<std::uint8_t>(row.Int(kStateNation));
  state.Industry = static_cast<std::uint16_t>(row.PerFile(kStateIndustry, context.File));
  state.BaseIndustry = state.Industry;
  state.CottonOutput = static_cast<std::uint16_t>(row.Int(kStateCotton));
  state.Slaves = static_cast<std::uint16_t>(row.Int(kStateSlaves));
  state.ComplaintDelay = static_cast<std::uint16_t>(row.Int(kStateComplaintDelay));
  // A state with a capital city is summed from its cities once they are built.
  const bool fromCities = state.CapitalCity != 0;
  if (fromCities != TakesFromCities(row, kStatePopulation) ||
      fromCities != TakesFromCities(row, kStateWeapons)) {
    row.Fail("population and weapons are 'cities' exactly for a state with a capital city");
  }
  if (!fromCities) {
    state.Population = static_cast<std::uint16_t>(row.Int(kStatePopulation));
    StoreWeapons(state.WeaponOutput, sources.WeaponList(row, kStateWeapons, context.File));
  }
}

void BuildCity(const BuildContext& context, const SourceRow& row) {
  const ScenarioSources& sources = context.Sources;
  const int file = context.File;
  TCity& city = context.Game.Cities[row.Int(kCityNo)];
  city.Name = row.Text(kCityName);
  const auto hex = row.Hex(kCityHex);
  city.X = static_cast<std::uint8_t>(hex[0]);
  city.Y = static_cast<std::uint8_t>(hex[1]);
  city.State = static_cast<std::uint8_t>(sources.State(row.Text(kCityState), row));
  city.Theatre = static_cast<std::uint8_t>(row.Int(kCityTheatre));
  city.Side = static_cast<std::uint8_t>(row.Int(kCitySide));
  city.OriginalSide = static_cast<std::uint8_t>(row.Int(kCityOriginalSide));
  city.Nation = NationOfCity(city.Side, city.OriginalSide);
  city.Value = static_cast<std::uint8_t>(row.Int(kCityValue));
  city.Population = static_cast<std::uint16_t>(row.Int(kCityPopulation));
  city.Slaves = static_cast<std::uint16_t>(row.Int(kCitySlaves));
  city.RailStation = static_cast<std::uint8_t>(row.PerFile(kCityRail, file));
  city.SeaPort = static_cast<std::uint8_t>(row.Int(kCitySea));
  city.RiverPort = static_cast<std::uint8_t>(row.Int(kCityRiver));
  city.ShipyardA = static_cast<std::uint8_t>(row.Int(kCityYardA));
  city.ShipyardB = static_cast<std::uint8_t>(row.Int(kCityYardB));
  city.Fortifications = static_cast<std::uint8_t>(row.PerFile(kCityFort, file));
  city.CoastalGuns = static_cast<std::uint8_t>(row.PerFile(kCityGuns, file));
  StoreWeapons(city.WeaponOutput, sources.WeaponList(row, kCityWeapons, file));
}

void ApplyChangeOfSides(const BuildContext& context, const SourceRow& row) {
  const std::string& kind = row.Text(kSidesKind);
  if (kind == "state") {
    TStateRec& state = context.Game.States[context.Sources.State(row.Text(kSidesName), row)];
    const auto sideControlNation = row.IntList(kSidesSide, '/');
    if (sideControlNation.size() != 3) row.Fail("expected side/control/nation");
    state.Side = static_cast<std::uint8_t>(sideControlNation[0]);
    state.ControlSide = static_cast<std::uint8_t>(sideControlNation[1]);
    state.Nation = static_cast<std::uint8_t>(sideControlNation[2]);
  } else if (kind == "city") {
    TCity& city = context.Game.Cities[context.Sources.City(row.Text(kSidesName), row)];
    city.Side = static_cast<std::uint8_t>(row.Int(kSidesSide));
    city.Nation = NationOfCity(city.Side, city.OriginalSide);
    city.Occupation = static_cast<std::uint16_t>(row.Int(kSidesOccupation));
  } else {
    row.Fail("a change of sides is for a 'state' or a 'city'");
  }
}

}  // namespace

void BuildStatesAndCities(BuildContext& context) {
  for (const auto& row : context.Sources.States.Rows) BuildState(context, row);
  for (const auto& row : context.Sources.Cities.Rows) BuildCity(context, row);
  for (const auto& row : context.Table("sides.txt", kSidesColumns).Rows) {
    ApplyChangeOfSides(context, row);
  }
}
