#pragma once
// The sender's battles of a received mail turn, read back from the battle
// file's lines (BattleLog) block by block to be shown, never fought again.
// Every read is bounded by the log: a short or damaged file ends the replay.
#include <array>
#include <functional>
#include <optional>
#include <string>

// The corps lines of one side: up to ten rows of commander, brigades,
// casualties and morale; a slot the sender left empty stays empty.
using TReplayedCorpsRows = std::array<std::optional<std::array<std::string, 4>>, 10>;

struct TReplayedBattle {
  // The place, the Union heading and commander, the Confederate heading and
  // commander, the terrain and the weather.
  std::array<std::string, 7> engagement;
  std::string initiative;
  std::string result_heading;
  std::array<std::string, 2> union_figures;
  TReplayedCorpsRows union_corps;
  std::array<std::string, 2> confederate_figures;
  TReplayedCorpsRows confederate_corps;
  std::array<std::string, 2> result;
};

// Fills BattleLog from the battle file of the game named gameFileName (which
// ends in the dot). A missing file is an empty history.
void ReadBattleFile(const std::string& gameFileName);

// The line of BattleLog being read.
extern int ReplayLine;

// Reads the battle whose "Battle" line is at ReplayLine and leaves ReplayLine
// on its last result line; empty when the log ends before the block does.
std::optional<TReplayedBattle> ReadReplayedBattle();

// From the line after the file's first, shows each of the turn's battles
// (BattleCount of them at most) in order, stopping at "TurnOver" or at the
// end of the log.
void ReplayBattles(const std::function<void(const TReplayedBattle&)>& show);
