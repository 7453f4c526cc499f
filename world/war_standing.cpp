#include "world/war_standing.h"

#include <cstdint>

#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

void AddWarScore(int nation, int amount) {
  if (IsNation(nation)) AddSaturated(GameState.Nations[nation].WarScore, amount);
}

void LowerWarScore(int nation, int amount) {
  if (!IsNation(nation)) return;
  I16& score = GameState.Nations[nation].WarScore;
  score = static_cast<std::int16_t>(score > amount ? score - amount : 0);
}

void NudgeAttitude(int power, int change) {
  if (!IsNation(power)) return;
  I16& attitude = GameState.Nations[power].Attitude;
  if (attitude >= 1 && attitude <= 99) attitude += static_cast<std::int16_t>(change);
}

void LowerAttitude(int power, int amount) {
  if (!IsNation(power)) return;
  I16& attitude = GameState.Nations[power].Attitude;
  attitude = static_cast<std::int16_t>(attitude > amount ? attitude - amount : 1);
}

void RaiseAttitudeBelow(int power, int amount, int limit) {
  if (!IsNation(power)) return;
  I16& attitude = GameState.Nations[power].Attitude;
  if (attitude < limit) attitude += static_cast<std::int16_t>(amount);
}

void RaiseLoyalty(int state, int amount) {
  if (!IsEntryOf(GameState.States, state)) return;
  std::uint8_t& loyalty = GameState.States[state].Loyalty;
  loyalty =
      static_cast<std::uint8_t>(loyalty < kFullLoyalty - amount ? loyalty + amount : kFullLoyalty);
}

void LowerLoyalty(int state, int amount) {
  if (!IsEntryOf(GameState.States, state)) return;
  std::uint8_t& loyalty = GameState.States[state].Loyalty;
  loyalty = static_cast<std::uint8_t>(loyalty > amount ? loyalty - amount : 0);
}
