#pragma once
// The movement phase as the player watches it: the execute command starts the
// movement timer, each tick moves one fleet or corps and shows it on the map
// when the player is to see it, and the tick that finishes the last step
// closes the turn.
#include <string>

#include "turn/movement_driver.h"

class TGMRSDI;

// A corps as the bottom bar names it while it moves: its leader, its kind and
// the army it belongs to.
std::string MovingCorpsTitle(int corps);

class TTurnAnimation {
 public:
  explicit TTurnAnimation(TGMRSDI& window);

  // Ends the current side's orders; once every side has given them the
  // movement timer starts at the speed the player chose.
  void Execute();
  // In a received mail turn, puts every unit back on its start hex and
  // replays the sender's moves, one per tick.
  void Playback();
  // One movement tick, or one replayed move; the one that finishes the turn stops the timer and
  // closes the turn.
  void Tick();

 private:
  void StartTimer();
  // Centres the view near the hex cursor, repaints and draws the unit there
  // with its name in the bottom bar.
  void Show(MovedUnit kind, int unit);

  TGMRSDI& window_;
};
