#pragma once
// Stored counters and totals stop at their field's limits: a stock or a tally
// that wrapped to a small number would tell the player the opposite of the truth.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "world/le_int.h"

template <typename T>
struct FieldValue {
  using type = T;
};
template <typename T>
struct FieldValue<LeInt<T>> {
  using type = T;
};

template <typename Field>
void StoreSaturated(Field& field, std::int64_t value) {
  using T = typename FieldValue<Field>::type;
  field = static_cast<T>(std::clamp<std::int64_t>(value, std::numeric_limits<T>::min(),
                                                  std::numeric_limits<T>::max()));
}

template <typename Field>
void AddSaturated(Field& field, std::int64_t amount) {
  using T = typename FieldValue<Field>::type;
  StoreSaturated(field, static_cast<std::int64_t>(static_cast<T>(field)) + amount);
}
