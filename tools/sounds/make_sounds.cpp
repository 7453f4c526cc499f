// Writes the battle sounds into the folder given on the command line.
#include <cstdio>
#include <string>

#include "tools/sounds/sound_recipes.h"
#include "tools/sounds/wave_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  struct Recipe {
    const char* name;
    Sound (*make)();
  };
  for (const Recipe& recipe :
       {Recipe{"LAND.WAV", LandVolley}, Recipe{"PORT.WAV", HarbourBombardment},
        Recipe{"SEA.WAV", SeaBroadside}}) {
    const std::string path = folder + "/" + recipe.name;
    if (!WriteWaveFile(path, recipe.make())) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
