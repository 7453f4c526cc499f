#include "world/game_bytes.h"

#include "world/game_state.h"
#include "world/map_record.h"

namespace {

struct GameTable {
  const char* name;
  std::size_t offset;
  std::size_t count;
  std::size_t size;
};

template <typename T, int N>
constexpr GameTable TableOf(const char* name, std::size_t offset, Table<T, N> TGameState::*) {
  return {name, offset, static_cast<std::size_t>(N), sizeof(T)};
}

constexpr GameTable kTables[] = {
    TableOf("army", offsetof(TGameState, Armies), &TGameState::Armies),
    TableOf("city", offsetof(TGameState, Cities), &TGameState::Cities),
    TableOf("corps", offsetof(TGameState, Corps), &TGameState::Corps),
    TableOf("leader", offsetof(TGameState, Leaders), &TGameState::Leaders),
    TableOf("nation", offsetof(TGameState, Nations), &TGameState::Nations),
    TableOf("state", offsetof(TGameState, States), &TGameState::States),
    TableOf("fleet", offsetof(TGameState, Fleets), &TGameState::Fleets),
    TableOf("weapon type", offsetof(TGameState, WeaponTypes), &TGameState::WeaponTypes),
    TableOf("plan", offsetof(TGameState, AiPlans), &TGameState::AiPlans),
    TableOf("brigade", offsetof(TGameState, Brigades), &TGameState::Brigades),
};

}  // namespace

std::string GameByteName(std::size_t offset) {
  for (const GameTable& table : kTables) {
    if (offset < table.offset || offset >= table.offset + table.count * table.size) continue;
    const std::size_t within = offset - table.offset;
    return std::string(table.name) + " " + std::to_string(within / table.size + 1) + ", byte " +
           std::to_string(within % table.size);
  }
  return "the game's byte " + std::to_string(offset);
}

std::string MapByteName(std::size_t offset) {
  constexpr std::size_t kColumnBytes = TMapRecord::Rows * sizeof(TMapCell);
  const std::size_t within = offset % kColumnBytes;
  return "hex (" + std::to_string(offset / kColumnBytes + 1) + ", " +
         std::to_string(within / sizeof(TMapCell) + 1) + "), byte " +
         std::to_string(within % sizeof(TMapCell));
}
