#include "ui/main/views/army_overview.h"

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/city_names.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/shown_guns.h"
#include "world/text_table.h"

namespace {

constexpr int kPriorityTexts[] = {244, 245, 246};
constexpr int kMilesPerHex = 15;
// Beyond this no city is near enough to name.
constexpr int kFarthestNamed = 100;

// Union and British columns feed four times the men of a brigade, the
// Confederate twice, the French once.
int SupplyFactor(int side) {
  if (side == TNation::Union || side == TNation::Britain) return 4;
  if (side == TNation::Confederacy) return 2;
  return 1;
}

std::string PriorityWord(int priority) {
  return priority < static_cast<int>(std::size(kPriorityTexts)) ? TextLine(kPriorityTexts[priority])
                                                                : "";
}

bool Listed(const TCorps& corps) {
  return corps.Nation == CurrentSide && corps.Inactive == 0 && corps.Leader != 0;
}

}  // namespace

std::string CorpsSupplyColumn(const TCorps& corps, int side) {
  int need = (corps.SupplyPriority + 1) * (corps.OtherBrigades + corps.ArtilleryBrigades) *
             SupplyFactor(side);
  if (corps.SupplyType != 0) need /= 2;
  return std::to_string(need) + "/ " + PriorityWord(corps.SupplyPriority);
}

std::string CorpsLocationColumn(const TCorps& corps) {
  int nearest = 0;
  int best = kFarthestNamed;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const int distance = HexDistance(corps.X, corps.Y, GameState.Cities[c].X, GameState.Cities[c].Y);
    if (distance < best) {
      best = distance;
      nearest = c;
    }
  }
  if (nearest == 0) return "";
  const std::string place = CityWithShortState(GameState.Cities[nearest], ", ");
  return best == 0 ? place : std::to_string(best * kMilesPerHex) + TextLine(52) + place;
}

TForceOver::TForceOver() : TUnitOverview("TForceOver", "Army Overview", 521, {601, 602}) {}

// Listing a corps makes its commander the current leader, as the game always has.
void TForceOver::ListUnits() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!Listed(corps)) continue;
    CurrentLeader = corps.Leader;
    AddLine(c, GameState.Leaders[corps.Leader].Name.str() + ", " +
                   std::to_string(corps.Strength * 50) + ", " + std::to_string(CorpsGuns(corps)) +
                   ", " + CorpsSupplyColumn(corps, CurrentSide) + ", " +
                   CorpsLocationColumn(corps));
  }
}

TPoint TForceOver::SelectUnit(int c) {
  CurrentCorps = static_cast<std::uint16_t>(c);
  return {GameState.Corps[c].X, GameState.Corps[c].Y};
}

void TForceOver::OpenUnit(int /*c*/) {
  ShowCorpsOrders();
}

void ShowForceOverview() {
  RunOrderDialog<TForceOver>(CurrentSide, {});
}
