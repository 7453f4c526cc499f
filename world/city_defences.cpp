#include "world/city_defences.h"

#include <algorithm>

#include "world/monthly_income.h"
#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kMostGuns = 9;
constexpr int kMostLevels = 9;
constexpr int kGunCost = 100;
constexpr int kGunRefund = 50;
constexpr int kFirstYearLevelCost = 175;
constexpr int kYearlyLevelSaving = 37;

TCity* OwnCity(int nation, int city) {
  if (!IsEntryOf(GameState.Nations, nation) || !IsEntryOf(GameState.Cities, city)) return nullptr;
  TCity& record = GameState.Cities[city];
  if (record.Nation != nation || TheatreSupplies(nation, record.Theatre) == nullptr) return nullptr;
  return &record;
}

U16& Stock(int nation, const TCity& city) {
  return *TheatreSupplies(nation, city.Theatre);
}
}  // namespace

int FortificationCost(int year) {
  return std::max(1, kFirstYearLevelCost - kYearlyLevelSaving * (year - 1861));
}

bool BuyCoastalGun(int nation, int city) {
  TCity* c = OwnCity(nation, city);
  if (c == nullptr || c->CoastalGuns >= kMostGuns || (c->SeaPort == 0 && c->RiverPort == 0) ||
      !PayFromStockAbove(Stock(nation, *c), kGunCost))
    return false;
  ++c->CoastalGuns;
  return true;
}

bool SellCoastalGun(int nation, int city) {
  TCity* c = OwnCity(nation, city);
  if (c == nullptr || c->CoastalGuns == 0) return false;
  --c->CoastalGuns;
  RefundToStock(Stock(nation, *c), kGunRefund);
  return true;
}

bool BuyFortification(int nation, int city) {
  TCity* c = OwnCity(nation, city);
  if (c == nullptr || c->Fortifications >= kMostLevels || c->FortifiedThisTurn != 0 ||
      !PayFromStockAbove(Stock(nation, *c), FortificationCost(GameState.Year)))
    return false;
  ++c->Fortifications;
  c->FortifiedThisTurn = 1;
  return true;
}

bool SellFortification(int nation, int city) {
  TCity* c = OwnCity(nation, city);
  if (c == nullptr || c->Fortifications == 0) return false;
  --c->Fortifications;
  RefundToStock(Stock(nation, *c), FortificationCost(GameState.Year));
  return true;
}
