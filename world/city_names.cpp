#include "world/city_names.h"

#include "world/table_slots.h"
#include "world/vardecl.h"

bool NameTellsState(const TCity& city) {
  return city.Name.str().find(',') != std::string::npos;
}

std::string CityWithShortState(const TCity& city, const std::string& separator) {
  std::string named = city.Name.str();
  if (!NameTellsState(city) && IsEntryOf(GameState.States, city.State))
    named += separator + GameState.States[city.State].ShortName.str();
  return named;
}
