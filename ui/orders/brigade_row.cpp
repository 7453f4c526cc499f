#include "ui/orders/brigade_row.h"

#include "world/codes.h"
#include "world/ordinals.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

std::string BrigadeRow(int brigade, const char* parrott_word) {
  constexpr const char* kArmWords[kArmCount] = {" Arty ", " Inf ", " Cav "};
  constexpr const char* kWeaponWords[8] = {" Muskets",  " Springfields", " Sharps", " Spencers",
                                           " Shotguns", " Smoothbores",  nullptr,   " Whitworths"};
  if (!IsEntryOf(GameState.Brigades, brigade)) return {};
  const TBrigade& b = GameState.Brigades[brigade];
  std::string row = OrdinalWord(b.Number);
  if (IsEntryOf(GameState.States, b.HomeState))
    row += GameState.States[b.HomeState].ShortName.str();
  if (b.Arm >= 1 && b.Arm <= kArmCount) row += kArmWords[b.Arm - 1];
  if (b.Weapon == TWeapon::Parrotts)
    row += parrott_word;
  else if (b.Weapon >= 1 && b.Weapon <= 8)
    row += kWeaponWords[b.Weapon - 1];
  return row;
}
