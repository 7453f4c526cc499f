#pragma once
// Questions every rule asks of the 1-based tables: does an index name an entry
// (0 means "none"), and which slot of a force table is free.
#include "world/table.h"

template <typename T, int N>
constexpr bool IsEntryOf(const Table<T, N>&, int index) {
  return index >= 1 && index <= N;
}

// The first slot that no one holds; 0 when the table is full.
template <typename T, int N>
int FirstFreeSlot(const Table<T, N>& table) {
  for (int i = 1; i <= N; ++i)
    if (table[i].IsFree()) return i;
  return 0;
}
