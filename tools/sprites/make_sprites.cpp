// Writes the sprite sheets into the folder given on the command line.
#include <cstdio>
#include <string>

#include "tools/sprites/sprite_sheets.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sprites <folder>\n");
    return 2;
  }
  for (SpriteSheet sheet : {SpriteSheet::kCounters, SpriteSheet::kNumbers, SpriteSheet::kArrows}) {
    const std::string path = std::string(argv[1]) + "/" + SheetFileName(sheet);
    try {
      DrawSpriteSheet(sheet, SheetStyle::kArtwork).SaveToFile(path);
    } catch (const EInvalidGraphic& error) {
      std::fprintf(stderr, "make_sprites: %s\n", error.what());
      return 1;
    }
  }
  return 0;
}
