#include "ui/main/views/force_status.h"

#include <string>

#include "platform/dialogs/message_dialog.h"
#include "ui/orders/order_dialog.h"
#include "world/codes.h"
#include "world/saturating.h"
#include "world/shown_guns.h"
#include "world/text_table.h"

namespace {

constexpr int kWeapons = 8;
// Muskets to shotguns count men, fifty a point; cannon count guns.
constexpr int kSmallArms = 5;
constexpr int kMenPerPoint = 50;
constexpr int kCapitalWorth = 5;

constexpr const char* kSmallArmNames[] = {" muskets", " Springfields", " Sharps", " Spencers",
                                          " shotguns"};
constexpr const char* kCannonNames[] = {" smoothbores", " Parrotts", " Whitworths"};
constexpr const char* kWeaponHeadings[] = {"Muskets",  "Springfields", "Sharps",   "Spencers",
                                           "Shotguns", "Smoothbores",  "Parrotts", "Whitworths"};

// The design's labels, each with its place: a column of rows from `first`.
struct LabelColumn {
  int first;
  int count;
  int left;
  int top;
  int width;
};
// Each weapon's caption (muskets first) stands on its row of figures, under
// the two headings of those figures; the cannon rows follow the small arms.
constexpr LabelColumn kColumns[] = {
    {1, 3, 8, 8, 150},     {15, 3, 160, 8, 60},   {4, 3, 8, 72, 150},    {18, 3, 160, 72, 30},
    {30, 2, 195, 72, 30},  {67, 1, 195, 108, 30}, {7, 5, 8, 136, 150},   {21, 8, 160, 136, 60},
    {12, 3, 8, 226, 150},  {29, 1, 325, 8, 60},   {50, 1, 240, 26, 80},  {34, 7, 240, 44, 80},
    {41, 8, 325, 26, 60},  {49, 1, 390, 8, 60},   {51, 8, 390, 26, 60},  {59, 4, 240, 200, 98},
    {63, 4, 340, 200, 60}, {69, 2, 240, 290, 220},
};

std::string Men(std::int64_t points) {
  return std::to_string(points * kMenPerPoint);
}
std::string Guns(std::int64_t points) {
  return std::to_string(points * kGunsPerArtilleryPoint);
}
// Small arms count men, cannon guns.
std::string WeaponCount(int weapon, std::int64_t points) {
  return weapon <= kSmallArms ? Men(points) : Guns(points);
}

std::string CapitalName(int nation) {
  const int capital = GameState.Nations[nation].Capital;
  return capital >= 1 && capital <= GameState.Cities.Count ? GameState.Cities[capital].Name.str()
                                                           : "";
}

bool MayBeCapital(const TCity& city) {
  return city.Nation == CurrentSide && city.OriginalSide == CurrentSide &&
         city.Value >= kCapitalWorth;
}

}  // namespace

bool MoveCapital(int nation, int city) {
  std::uint8_t& capital = GameState.Nations[nation].Capital;
  if (city < 1 || city > GameState.Cities.Count || city == capital) return false;
  AddSaturated(GameState.Cities[city].Value, kCapitalWorth);
  if (capital >= 1 && capital <= GameState.Cities.Count)
    StoreSaturated(GameState.Cities[capital].Value,
                   std::max(0, GameState.Cities[capital].Value - kCapitalWorth));
  capital = static_cast<std::uint8_t>(city);
  return true;
}

TForceStatus::TForceStatus() : TOrderForm("TForceStatus", 628, 358) {
  SetCaption("General Force Status");
  for (const LabelColumn& column : kColumns) {
    for (int row = 0; row < column.count; ++row) {
      const int n = column.first + row;
      labels_[n] = AddLabel(this, Numbered("Label", n), column.left, column.top + 18 * row,
                            column.width, 16);
    }
  }
  // The warning over the capitals is long: two lines above their list.
  labels_[71] = AddLabel(this, "Label71", 460, 6, 160, 32);
  labels_[71]->SetWordWrap(true);
  Label(29).SetCaption("Available");
  for (int w = 0; w < 7; ++w) Label(34 + w).SetCaption(kWeaponHeadings[w + 1]);
  Label(49).SetCaption("Production");
  Label(50).SetCaption(kWeaponHeadings[0]);
  Label(59).SetCaption("Capacity");
  Label(60).SetCaption("Under construction");
  Label(61).SetCaption("Ironclads");
  Label(62).SetCaption("Wooden vessels");
  Label(71).SetCaption("Selecting a new capital incurs a loss of prestige");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 460, 42, 160, 258);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  Button1 = AddControl<TKxGraphicButton>("Button1", 500, 318, 80, 28);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TForceStatus::Fill() {
  FillTitles();
  FillForces();
  FillWeapons();
  FillCapitalList();
}

void TForceStatus::FillTitles() {
  for (int n = 1; n <= 6; ++n) Label(n).SetCaption(TextLine(319 + n));
  for (int w = 0; w < kSmallArms; ++w) Label(7 + w).SetCaption(TextLine(326) + kSmallArmNames[w]);
  for (int w = 0; w < 3; ++w) Label(12 + w).SetCaption(TextLine(678) + kCannonNames[w]);
  Label(69).SetCaption("Union " + TextLine(396) + " : " + CapitalName(TNation::Union));
  Label(70).SetCaption("Confederate " + TextLine(396) + " : " + CapitalName(TNation::Confederacy));
}

void TForceStatus::FillForces() {
  const TNationRec& nation = GameState.Nations[CurrentSide];
  for (int t = 1; t <= kTheatreCount; ++t) Label(14 + t).SetCaption(Men(nation.LandStrength[t]));
  constexpr int kShipLabels[] = {18, 30, 19, 31, 20, 67};  // ocean and river, by ship type
  constexpr int kShipTallies[] = {6, 1, 2, 3, 4, 5};
  for (int i = 0; i < 6; ++i)
    Label(kShipLabels[i]).SetCaption(std::to_string(nation.ShipTally[kShipTallies[i]]));
  std::int64_t building_ironclads = 0;
  std::int64_t building_wooden = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != CurrentSide || fleet.Status < 1 || fleet.Status > 24) continue;
    building_ironclads += fleet.Ships[1];
    building_wooden += fleet.Ships[2] + fleet.Ships[3];
  }
  Label(65).SetCaption(std::to_string(building_ironclads));
  Label(66).SetCaption(std::to_string(building_wooden));
}

void TForceStatus::FillWeapons() {
  std::array<std::int64_t, kWeapons + 1> armed{};
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == CurrentSide && brigade.Weapon >= 1 && brigade.Weapon <= kWeapons)
      armed[brigade.Weapon] += brigade.Strength;
  }
  std::array<std::int64_t, kWeapons + 1> output{};
  std::int64_t yard_a = 0;
  std::int64_t yard_b = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Nation != CurrentSide) continue;
    for (int w = 1; w <= kWeapons; ++w) output[w] += city.WeaponOutput[w];
    yard_a += city.ShipyardA;
    yard_b += city.ShipyardB;
  }
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.Nation != CurrentSide || state.CapitalCity != 0) continue;
    for (int w = 1; w <= kWeapons; ++w) output[w] += state.WeaponOutput[w];
  }
  const TNationRec& nation = GameState.Nations[CurrentSide];
  for (int w = 1; w <= kWeapons; ++w) {
    Label(20 + w).SetCaption(WeaponCount(w, armed[w]));
    Label(40 + w).SetCaption(WeaponCount(w, nation.WeaponStock[w]));
    Label(50 + w).SetCaption(WeaponCount(w, output[w]));
  }
  Label(63).SetCaption(std::to_string(yard_a));
  Label(64).SetCaption(std::to_string(yard_b));
}

void TForceStatus::FillCapitalList() {
  ListBox1->Items().Clear();
  city_of_row_.Clear();
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (!MayBeCapital(GameState.Cities[c])) continue;
    ListBox1->Items().Add(GameState.Cities[c].Name.str());
    city_of_row_.Add(c);
  }
  SelectCapital();
}

// Selecting from here asks nothing; a capital not on the list leaves no line selected.
void TForceStatus::SelectCapital() {
  ListBox1->SetItemIndex(city_of_row_.RowOf(GameState.Nations[CurrentSide].Capital));
}

// A choice the player cancels leaves the capital's line selected again.
void TForceStatus::ListBox1Click() {
  if (MessageDlg(TextLine(679), TMsgDlgType::mtWarning, mbOKCancel) != mrOk) {
    SelectCapital();
    return;
  }
  const int city = city_of_row_.At(ListBox1->ItemIndex());
  if (!MoveCapital(CurrentSide, city)) return;
  FillTitles();  // the capitals' lines name the new one
  MessageDlg(TextLine(172) + GameState.Cities[city].Name.str(), TMsgDlgType::mtInformation, mbOK);
}

void ShowForceStatus() {
  RunOrderDialog<TForceStatus>(CurrentSide, {});
}
