#pragma once
// Compiling one start point into its start file: build, check, and write only
// a sound record.
#include <filesystem>
#include <ostream>
#include <string>

#include "tools/scenario/scenario_sources.h"

// Builds the start point of `year` (its folder in the sources), reports every
// finding of the check on `report` and writes <year>.gmr into `output` only
// when there is none. The result says whether the file was written.
bool CompileStartFile(const ScenarioSources& sources, const std::string& year,
                      const std::filesystem::path& output, std::ostream& report);
