#pragma once
// Whole turns without a window: the orders of the human sides (from a script),
// the end of the orders, the movement steps in the timer's order and the close
// of the turn, as the main window runs them, with a check after every phase.
#include <cstdint>
#include <functional>
#include <string>

#include "support/window_fixture.h"

// Hands every nation to the computer, or the Union to a player, after the
// load, with the reports shown as the load shows them to such players.
void SetAllNationsToComputer();
void HandTheUnionToAPlayer();

// The start file at `path` with every nation the computer's, in a program just
// started but for its texts: the load draws from `seed`, and each turn's draws
// from a seed counted up from `first_turn_seed`. False when the file does not
// load.
bool StartComputerGame(const std::string& path, std::uint32_t seed, std::uint32_t first_turn_seed);

// The same with the Union in a player's hands, the seeds always the same.
bool StartWithAHumanUnion(const std::string& path);

// The orders of a human nation that marches every one of its corps on `city`,
// and of a human Union that marches them on the Confederate capital.
void MarchOn(int city, int nation);
void MarchOnTheEnemyCapital(int nation);

class TurnRunner {
 public:
  // What a human nation orders in its orders phase; CurrentSide is the nation.
  std::function<void(int nation)> GiveOrders;
  // Called after the end of the orders, the movement and the close of the
  // turn, with the phase's name ("turn 3, movement").
  std::function<void(const std::string& phase)> AfterPhase;
  // Called after each movement pass ("turn 3, fleet pass of step 12").
  std::function<void(const std::string& pass)> AfterPass;

  // One turn, from the human sides' orders to the next orders phase.
  void RunTurn();
  // Up to the given number of turns, fewer when the game ends; the result is
  // the number run.
  int RunTurns(int turns);

 private:
  void Report(const std::function<void(const std::string&)>& to, const std::string& name) const;
  void GiveHumanOrders();
  void ExecuteOrders();
  void RunMovement();
  void CloseTurn();

  int turn_ = 0;
};

// A window test whose game writes its files (the autosave among them) into the
// test's own folder.
class TurnTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::string previous_folder_;
};
