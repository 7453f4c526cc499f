#include "world/corps_command.h"

#include "world/table_slots.h"
#include "world/vardecl.h"

TLeader* LeaderRecord(int leader) {
  if (!IsEntryOf(GameState.Leaders, leader)) return nullptr;
  return &GameState.Leaders[leader];
}

int LeaderRating(int leader, std::uint8_t TLeader::*rating) {
  const TLeader* record = LeaderRecord(leader);
  return record != nullptr ? record->*rating : 0;
}

int ArmyOf(const TCorps& corps) {
  return corps.Army <= GameState.Armies.Count ? corps.Army : 0;
}

int ArmyCommanderOf(const TCorps& corps) {
  const int army = ArmyOf(corps);
  return army != 0 ? GameState.Armies[army].Leader : 0;
}

void RaiseLeaderRating(int leader, std::uint8_t TLeader::*rating, int limit) {
  TLeader* record = LeaderRecord(leader);
  if (record != nullptr && record->*rating < limit) ++(record->*rating);
}

std::string LeaderName(int leader) {
  const TLeader* record = LeaderRecord(leader);
  return record != nullptr ? record->Name.str() : std::string();
}

bool IsHumanNation(int nation) {
  return IsEntryOf(GameState.Nations, nation) && GameState.Nations[nation].Human != 0;
}
