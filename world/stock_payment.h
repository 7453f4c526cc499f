#pragma once
// What the player spends in the order dialogs (supplies, weapons, recruits) is
// paid from a stock only when the stock covers the whole price, and handed back
// up to the stock's limit: no click may leave a stock below nothing or wrap it.
#include <cstdint>

#include "world/saturating.h"

// Takes the amount from the stock; false, with the stock untouched, when it
// holds less.
template <typename Field>
bool PayFromStock(Field& stock, std::int64_t amount) {
  using T = typename FieldValue<Field>::type;
  const std::int64_t held = static_cast<T>(stock);
  if (amount < 0 || held < amount) return false;
  stock = static_cast<T>(held - amount);
  return true;
}

// The economy's purchases want more in the stock than the price: a stock that
// holds exactly the price pays nothing.
template <typename Field>
bool PayFromStockAbove(Field& stock, std::int64_t amount) {
  using T = typename FieldValue<Field>::type;
  return static_cast<std::int64_t>(static_cast<T>(stock)) > amount && PayFromStock(stock, amount);
}

// Gives the amount back, the stock stopping at its field's limit.
template <typename Field>
void RefundToStock(Field& stock, std::int64_t amount) {
  AddSaturated(stock, amount);
}
