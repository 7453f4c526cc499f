#include "ui/orders/row_texts.h"

#include "world/codes.h"
#include "world/ordinals.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kMenPerPoint = 50;
constexpr int kGunsPerPoint = 2;
constexpr std::size_t kCityNameCut = 17;
constexpr std::size_t kCityRowCut = 21;
constexpr const char* kArmWords[] = {" Arty ", " Inf ", " Cav "};
constexpr const char* kWeaponWords[] = {" Muskets",  " Springfields", " Sharps",   " Spencers",
                                        " Shotguns", " Smoothbores",  " Parrotts", " Whitworths"};

template <std::size_t N>
std::string WordOf(const char* const (&words)[N], int n) {
  return n >= 1 && n <= static_cast<int>(N) ? words[n - 1] : "";
}
}  // namespace

std::string CutText(const std::string& text, std::size_t n) {
  return text.substr(0, n);
}

std::string CityRow(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return {};
  const TCity& record = GameState.Cities[city];
  std::string row = CutText(record.Name.str() + ",", kCityNameCut);
  if (IsEntryOf(GameState.States, record.State))
    row += GameState.States[record.State].ShortName.str();
  return CutText(row, kCityRowCut);
}

int ShownStrength(int arm, int amount) {
  return amount * (arm == TArm::Artillery ? kGunsPerPoint : kMenPerPoint);
}

int ShownWeaponStock(int weapon, int amount) {
  return amount * (weapon >= TWeapon::Smoothbores ? kGunsPerPoint : kMenPerPoint);
}

std::string BrigadeRow(int brigade) {
  if (!IsEntryOf(GameState.Brigades, brigade)) return {};
  const TBrigade& record = GameState.Brigades[brigade];
  std::string row = OrdinalWord(record.Number);
  if (IsEntryOf(GameState.States, record.HomeState))
    row += GameState.States[record.HomeState].ShortName.str();
  return row + WordOf(kArmWords, record.Arm) + WordOf(kWeaponWords, record.Weapon);
}
