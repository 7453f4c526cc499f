#pragma once
// What must hold of a game after every phase of a turn, whatever the rules
// did: what the loader asks of a file (every index within its table, and the
// records consistent as world/game_consistency.h has it), the map's geography
// as it began, and a save that writes the game exactly as it stands.
#include <cstdint>
#include <string>
#include <vector>

class TurnInvariants {
 public:
  // Takes the geography of the map in play as the one to keep; saves go to
  // the named file (without extension).
  explicit TurnInvariants(std::string save_name);

  // Every invariant broken, one sentence each; empty when all hold.
  std::vector<std::string> Check() const;
  // The same without the save, which is slow enough to leave to the ends of
  // the phases.
  std::vector<std::string> CheckRecords() const;

 private:
  std::vector<std::uint8_t> geography_;
  std::string save_name_;
};
