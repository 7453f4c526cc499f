#pragma once
// The movement phase of an executed turn, one fleet or corps move at a time:
// steps 1 to 9 move every fleet and then every corps, steps 10 to 19 move the
// fleets alone. Between the passes contacts, hex control and the armies'
// headquarters are brought up to date. The main window's timer makes one move
// per tick and animates what it is told to show; the headless runner calls the
// same moves in a loop.
#include <functional>

// Steps 1..9 move corps as well; the fleets alone go on to step 19, and step
// 20 is the end of the movement.
inline constexpr int kLastCorpsStep = 9;
inline constexpr int kLastMovementStep = 20;
// What each fleet pass adds to the turn progress gauge.
inline constexpr int kFleetPassProgress = 10;

// True while the fleet pass of the step runs, false during the corps pass.
extern bool MovePhaseFleets;
// Set once the last step is done; the after-movement phase comes next.
extern bool TurnFinished;
// The player's choice whether fleet moves are animated.
extern bool FleetMovesVisible;

// The turn progress gauge, 0..300: the end of the orders brings it to 110 and
// each of the 19 fleet passes adds 10.
void SetTurnProgress(int progress);
int TurnProgress();

struct TCorps;
// On from CurrentCorps to the next corps that moves this step; past the last
// corps the corps pass ends: hex control is brought up to date and the fleet
// pass of the next step follows.
void FindNextCorps(const std::function<bool(const TCorps&)>& moves_this_step);

enum class MovedUnit { Fleet, Corps };
// Called for each move the player is to see, after the move and with
// HexCursorX/HexCursorY on the unit's new hex; naval combat at the fleet's hex
// follows only once it returns.
using ShowMove = std::function<void(MovedUnit kind, int unit)>;

// Step 1, the fleet pass, from the first fleet and corps.
void StartMovementPhase();
// One fleet or corps move, then on to the next unit that moves; the end of a
// pass runs the work between passes. Does nothing once TurnFinished is set.
void RunMovementTick(const ShowMove& show);
// Every tick of the phase, until TurnFinished.
void RunMovementPhase(const ShowMove& show = {});
