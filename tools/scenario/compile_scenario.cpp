// compile_scenario SOURCES OUTPUT YEAR...: builds the start file of each year
// from the sources and writes it into OUTPUT as <year>.gmr. A start point that
// fails the check is reported and not written, and the run fails.
#include <iostream>

#include "tools/scenario/start_file.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: compile_scenario SOURCES OUTPUT YEAR...\n";
    return 2;
  }
  try {
    const ScenarioSources sources = ReadScenarioSources(argv[1]);
    bool sound = true;
    for (int i = 3; i < argc; ++i) {
      sound = CompileStartFile(sources, argv[i], argv[2], std::cerr) && sound;
    }
    return sound ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "compile_scenario: " << error.what() << '\n';
    return 1;
  }
}
