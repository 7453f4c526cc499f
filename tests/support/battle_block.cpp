#include "support/battle_block.h"

namespace {

std::vector<std::string> CorpsLines(const std::string& side, int corps, const char* end_of_side) {
  std::vector<std::string> lines;
  for (int c = 1; c <= 10; ++c) {
    if (c > corps) {
      lines.push_back(end_of_side);
      continue;
    }
    for (const char* cell : {"commander", "brigades", "casualties", "morale"}) {
      lines.push_back(side + " " + cell + " " + std::to_string(c));
    }
  }
  if (corps == 10) lines.push_back(end_of_side);
  return lines;
}

}  // namespace

// One battle block as the battles write it, with `stray` lines between the
// engagement and the result.
std::vector<std::string> BattleBlock(const std::string& place, int union_corps,
                                     int confederate_corps, int stray) {
  std::vector<std::string> block = {"Battle", place, "Union Forces", "Grant",
                                    "Confederate Forces", "Lee", "Woods", "Rain"};
  for (int i = 0; i < stray; ++i) block.push_back("stray");
  for (const char* line : {"Result", "initiative", "heading", "union column", "union figures",
                           "union figures 2"}) {
    block.push_back(line);
  }
  for (const std::string& line : CorpsLines("union", union_corps, "EndOfUnion")) block.push_back(line);
  for (const char* line : {"confederate column", "confederate figures", "confederate figures 2"}) {
    block.push_back(line);
  }
  for (const std::string& line : CorpsLines("confederate", confederate_corps, "EndOfConfed")) {
    block.push_back(line);
  }
  for (const char* line : {"result", "result 2", "EndOfBattle"}) block.push_back(line);
  return block;
}

