#pragma once
// Compiling one start point into its start file: build, check, and write only
// a sound record.
#include <filesystem>
#include <ostream>
#include <string>

#include "tools/scenario/scenario_sources.h"
#include "tools/scenario/start_map.h"

// Builds the start point of `year` (its folder in the sources) and its map,
// reports every finding of the checks on `report` and writes <year>.gmr and
// <year>.GMP into `output` only when there is none. The result says whether
// the files were written.
bool CompileStartFile(const ScenarioSources& sources, const MapSources& map,
                      const std::string& year, const std::filesystem::path& output,
                      std::ostream& report);
