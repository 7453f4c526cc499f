#pragma once
// What must hold of a game's records, beyond every index lying in its table,
// for the rules to play it: every corps and fleet on the map, every brigade in
// one real place, each city's garrison count as the brigade table has it, no
// leader in two commands, every embarked corps aboard one fleet, every city on
// a city hex, no water of a state or a camp, every army in use of a nation and
// every corps in an army in an army of its nation in use, every fleet's port
// and objective a city on the map, and a date of the calendar. The loader asks it of a file before
// the file replaces the game in play; the turn tests ask it after every phase.
// It expects the indices checked first (saved_game_check.h).
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/map_record.h"

// What a loaded file holding the finding comes to.
enum class LoadRemedy {
  Refuse,           // no rule can play it
  Repair,           // the load corrections set it right
  LeaveToTheOrders  // the orders phase may leave it so; the end of the orders settles it
};

struct GameFinding {
  std::string record;  // "brigade 12", "the game"
  std::string field;   // "Location"
  std::string value;   // as stored
  std::string why;     // what is wrong with it
  LoadRemedy remedy;

  // "brigade 12 has Location 37, a corps of another nation"
  std::string Sentence() const { return record + " has " + field + " " + value + ", " + why; }
};

std::vector<GameFinding> FindInconsistencies(const TGameState& game, const TMapRecord& map);
