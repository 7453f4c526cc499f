#pragma once
// The three states of the main window's menus by the phase of the turn: idle
// between turns, giving orders, and executing. Each sets the cursor and the
// enabled state of the items it names; an item it does not name keeps its state.

// Codes 1, 2, 3 and 255 end the game; 0 is a game running, and 10 (left by the
// battle dispatcher in play by mail) is one still running too.
bool GameIsOver();

// Playback and its button replay a received mail turn and nothing else, so
// they are open only while there is one to replay; every menu state below
// sets them, executing closes them.
void OfferPlaybackOfReceivedTurn();

// "Hidden Enemy": offered only in a game played on one machine (never in play
// by mail), and checked while the map keeps one camp's view. Every menu state
// sets it, so it follows each load and each change of play mode.
void ShowHiddenEnemyItem();

void SetMenusIdle();
void SetMenusForOrders();
void SetMenusExecuting();

// Chooses the side that gives orders next: the mail side in play by mail,
// otherwise the one human nation, none when neither is human; with two human
// nations CurrentSide stays as it is and the players choose. Opens the orders
// menus when a side is chosen and captions the side-change command after it.
void ChooseSideToPlay();

// Nothing in hand: no current corps, fleet, army, city or leader, and none
// named in the panel under the map.
void ClearSelections();
