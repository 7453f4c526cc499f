#pragma once
// The tables shared by the three start points, read once, with the lookups
// that let the per-start-point tables name states, cities, leaders, nations and
// weapons instead of giving their numbers.
#include <array>
#include <filesystem>
#include <map>
#include <string>

#include "tools/scenario/source_table.h"

// Columns of the shared tables.
enum StateColumn {
  kStateNo,
  kStateName,
  kStateShort,
  kStateCode,
  kStateSide,
  kStateWeight,
  kStateCapital,
  kStateLoyalty,
  kStateControl,
  kStateTheatre,
  kStateNation,
  kStateIndustry,
  kStateCotton,
  kStatePopulation,
  kStateSlaves,
  kStateComplaintDelay,
  kStateWeapons,
  kStateColumns
};
enum CityColumn {
  kCityNo,
  kCityName,
  kCityState,
  kCityHex,
  kCityTheatre,
  kCitySide,
  kCityOriginalSide,
  kCityValue,
  kCityPopulation,
  kCitySlaves,
  kCityRail,
  kCitySea,
  kCityRiver,
  kCityYardA,
  kCityYardB,
  kCityFort,
  kCityGuns,
  kCityWeapons,
  kCityColumns
};
enum LeaderColumn {
  kLeaderNo,
  kLeaderName,
  kLeaderSide,
  kLeaderCombat,
  kLeaderInitiative,
  kLeaderAggression,
  kLeaderInspiration,
  kLeaderModifier,
  kLeaderRank,
  kLeaderStatus,
  kLeaderExperience,
  kLeaderColumns
};
enum WeaponColumn { kWeaponNo, kWeaponCode, kWeaponName, kWeaponFireA, kWeaponFireB, kWeaponCost };

struct ScenarioSources {
  std::filesystem::path Folder;
  SourceTable Nations, States, Cities, Leaders, ArmyNames, Weapons, Weather;

  int Nation(const std::string& name, const SourceRow& where) const;
  // A state by its two-letter code or its name.
  int State(const std::string& codeOrName, const SourceRow& where) const;
  int City(const std::string& name, const SourceRow& where) const;
  int Leader(const std::string& name, const SourceRow& where) const;
  int Weapon(const std::string& code, const SourceRow& where) const;

  // A monthly weapon list such as "Mu 100/60/0, Sp 60" ("-" for none), per weapon 1..8.
  std::array<int, 9> WeaponList(const SourceRow& row, int column, int file) const;

  std::map<std::string, int> NationIndex, StateIndex, CityIndex, LeaderIndex, WeaponIndex;
};

ScenarioSources ReadScenarioSources(const std::filesystem::path& folder);
