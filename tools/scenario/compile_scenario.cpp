// compile_scenario SOURCES MAP OUTPUT YEAR...: builds the start file of each
// year from the scenario sources and the map layers and writes it into OUTPUT
// as <year>.gmr with its map <year>.GMP. A start point that fails the checks
// is reported and not written, and the run fails.
#include <iostream>

#include "tools/scenario/start_file.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: compile_scenario SOURCES MAP OUTPUT YEAR...\n";
    return 2;
  }
  try {
    const ScenarioSources sources = ReadScenarioSources(argv[1]);
    const MapSources map = ReadMapSources(argv[2]);
    bool sound = true;
    for (int i = 4; i < argc; ++i) {
      sound = CompileStartFile(sources, map, argv[i], argv[3], std::cerr) && sound;
    }
    return sound ? 0 : 1;
  } catch (const std::exception& error) {  // a source that cannot be read or understood
    std::cerr << "compile_scenario: " << error.what() << '\n';
    return 1;
  }
}
