#pragma once
// What the parts of the start-point builder share while they fill one record.
#include <filesystem>

#include "tools/scenario/nation_side.h"
#include "tools/scenario/scenario_sources.h"
#include "world/game_state.h"

// The corps table is read by the corps and again by their brigades.
enum CorpsColumn {
  kCorpsNation,
  kCorpsOrdinal,
  kCorpsCommander,
  kCorpsPosition,
  kCorpsArmy,
  kCorpsKind,
  kCorpsEntrenchment,
  kCorpsBrigades,
  kCorpsColumns
};

struct BuildContext {
  const ScenarioSources& Sources;
  TGameState& Game;
  std::filesystem::path Folder;
  int File;  // 0, 1, 2 for the 1861, 1862 and 1863 start points

  SourceTable Table(const char* name, int columns) const {
    return ReadSourceTable(Folder / name, columns);
  }
};

void BuildHeader(BuildContext& context);
void BuildFixedTables(BuildContext& context);
void BuildStatesAndCities(BuildContext& context);
void BuildNations(BuildContext& context);
void BuildLeaders(BuildContext& context);
void BuildArmiesAndCorps(BuildContext& context);
void BuildBrigades(BuildContext& context);
void BuildFleets(BuildContext& context);
void BuildDerivedFigures(BuildContext& context);
