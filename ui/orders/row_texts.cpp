#include "ui/orders/row_texts.h"

#include "world/city_names.h"
#include "world/codes.h"
#include "world/shown_guns.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kMenPerPoint = 50;
constexpr std::size_t kCityRowCut = 21;
}  // namespace

std::string CutText(const std::string& text, std::size_t n) { return text.substr(0, n); }

std::string CityRow(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return {};
  const TCity& record = GameState.Cities[city];
  return CutText(CityWithShortState(record, ","), kCityRowCut);
}

int ShownStrength(int arm, int amount) {
  return amount * (arm == TArm::Artillery ? kGunsPerArtilleryPoint : kMenPerPoint);
}

int ShownWeaponStock(int weapon, int amount) {
  return amount * (weapon >= TWeapon::Smoothbores ? kGunsPerArtilleryPoint : kMenPerPoint);
}
