#pragma once
// What must hold of a game after every phase of a turn, whatever the rules
// did: what the loader asks of a file (every index within its table, and the
// records consistent as world/game_consistency.h has it), the rules of the
// records (support/record_rules.h), the map's geography as it began, what
// changed since the last check (support/turn_memory.h), and a save that writes
// the game exactly as it stands and loads back to it.
#include <cstdint>
#include <string>
#include <vector>

#include "support/turn_memory.h"

class TurnInvariants {
 public:
  // Takes the geography of the map in play as the one to keep; saves go to
  // the named file (without extension).
  explicit TurnInvariants(std::string save_name);

  // Every invariant broken, one sentence each; empty when all hold. Each
  // check is the last look for the next.
  std::vector<std::string> Check();
  // The same for a game just loaded, before its orders: a leader may then
  // hold two commands, which the end of the orders settles.
  std::vector<std::string> CheckLoaded();
  // The same without the save, which is slow enough to leave to the ends of
  // the phases.
  std::vector<std::string> CheckRecords();

 private:
  std::vector<std::string> CheckAll(bool orders_to_come);
  std::vector<std::string> CheckRecords(bool orders_to_come);

  std::vector<std::uint8_t> geography_;
  TurnMemory memory_;
  std::string save_name_;
};
