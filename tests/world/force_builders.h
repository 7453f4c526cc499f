#pragma once
// Brigades and leaders for rule tests, on top of WorldTest's blank game.
#include <stdexcept>
#include <string>

#include "world/codes.h"
#include "world/force_slots.h"
#include "world/vardecl.h"

struct BrigadeRecipe {
  int nation = TNation::Union;
  int arm = TArm::Infantry;
  int strength = 80;
  int status = TBrigadeStatus::InCorps;
  int location = 0;
  int homeState = 1;
  int quality = 1;
  int weapon = 0;
  int number = 0;
  int fatigue = 0;
};

// The first untouched brigade slot becomes the brigade; returns its index.
inline int AddBrigade(const BrigadeRecipe& recipe) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status != 0 || brigade.Arm != 0) continue;
    brigade.Nation = static_cast<std::uint8_t>(recipe.nation);
    brigade.Arm = static_cast<std::uint8_t>(recipe.arm);
    brigade.Strength = static_cast<std::uint8_t>(recipe.strength);
    brigade.Status = static_cast<std::uint8_t>(recipe.status);
    brigade.Location = static_cast<std::uint8_t>(recipe.location);
    brigade.HomeState = static_cast<std::uint8_t>(recipe.homeState);
    brigade.Quality = static_cast<std::uint8_t>(recipe.quality);
    brigade.Weapon = static_cast<std::uint8_t>(recipe.weapon);
    brigade.Number = static_cast<std::uint8_t>(recipe.number);
    brigade.Fatigue = static_cast<std::uint8_t>(recipe.fatigue);
    return b;
  }
  throw std::length_error("no untouched brigade slot left");
}

struct LeaderRecipe {
  int side = TSide::Union;
  int rank = TLeaderClass::Corps;
  int status = TLeaderStatus::Available;
  int initiative = 5;
  int combat = 40;
  int modifier = 0;
};

// The first leader without a camp becomes the leader; returns its index.
inline int AddLeader(const LeaderRecipe& recipe) {
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    TLeader& leader = GameState.Leaders[l];
    if (leader.Side != 0) continue;
    leader.Name = "General " + std::to_string(l);
    leader.Side = static_cast<std::uint8_t>(recipe.side);
    leader.Rank = static_cast<std::uint8_t>(recipe.rank);
    leader.Status = static_cast<std::uint8_t>(recipe.status);
    leader.Initiative = static_cast<std::uint8_t>(recipe.initiative);
    leader.Combat = static_cast<std::uint8_t>(recipe.combat);
    leader.Modifier = static_cast<std::int8_t>(recipe.modifier);
    return l;
  }
  throw std::length_error("no leader left without a camp");
}
