#include "world/menu_states.h"

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/received_turn.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

using enum WindowCommand;

// The reports and raising commands a side uses while it gives orders.
constexpr WindowCommand kOrdersPhaseCommands[] = {
    ForceStatus1, Production1,  Draft1,         States1,        Transfers1,
    Leadership1,  CheckLeaders, ForceOverview1, FleetOverview1, ArmBrigades1,
    RaiseArmy1,   RaiseCorps1,  RaiseFleet1};

// The file and program commands, open between turns and closed while a turn runs.
constexpr WindowCommand kBetweenTurnsCommands[] = {LoadGame1, SaveGame1, Quit1, About1,
                                                   Conditions1};

constexpr WindowCommand kExecuteCommands[] = {Execute1, SpeedButton1};

constexpr WindowCommand kPlaybackCommands[] = {Playback1, Speedbutton2};

// Orders for the unit in hand; open only while one is.
constexpr WindowCommand kUnitOrderCommands[] = {CorpsOrders1, ArmyOrders1, CityOrders1,
                                                FleetOrders1};

constexpr int kSideChangeCaptionText = 464;  // + CurrentSide

bool InPlayByMail() {
  return GameState.PlayMode >= TPlayMode::MailSetUp;
}

}  // namespace

void ShowHiddenEnemyItem() {
  Window().SetCommandEnabled(Hidden1, !InPlayByMail());
  Window().SetCommandChecked(Hidden1, GameState.MessageView != kEveryoneSees);
}

bool GameIsOver() {
  return GameOverCode == 1 || GameOverCode == 2 || GameOverCode == 3 || GameOverCode == 255;
}

void OfferPlaybackOfReceivedTurn() {
  SetCommandsEnabled(kPlaybackCommands, CanPlayBack());
}

void SetMenusIdle() {
  Window().SetCursor(WindowCursor::Default);
  SetCommandsEnabled(kBetweenTurnsCommands, true);
  OfferPlaybackOfReceivedTurn();
  const int mode = GameState.PlayMode;
  SetCommandsEnabled(kExecuteCommands, mode != TPlayMode::MailSetUp &&
                                           mode != TPlayMode::MailReceived && !GameIsOver());
  ShowHiddenEnemyItem();
  SetCommandsEnabled(kOrdersPhaseCommands, false);
  SetCommandsEnabled(kUnitOrderCommands, false);
}

void SetMenusForOrders() {
  Window().SetCursor(WindowCursor::Default);
  Window().SetCommandEnabled(Conditions1, true);
  SetCommandsEnabled(kOrdersPhaseCommands, true);
  OfferPlaybackOfReceivedTurn();
  ShowHiddenEnemyItem();
}

void SetMenusExecuting() {
  Window().SetCursor(WindowCursor::Hourglass);
  SetCommandsEnabled(kBetweenTurnsCommands, false);
  SetCommandsEnabled(kPlaybackCommands, false);
  const int mode = GameState.PlayMode;
  if (mode == TPlayMode::MailSetUp || (mode == TPlayMode::MailReceived && !GameIsOver())) {
    SetCommandsEnabled(kExecuteCommands, false);
  }
  ShowHiddenEnemyItem();
  SetCommandsEnabled(kOrdersPhaseCommands, false);
  SetCommandsEnabled(kUnitOrderCommands, false);
}

void ChooseSideToPlay() {
  if (InPlayByMail()) {
    CurrentSide = GameState.MailSide;
  } else if (!IsHumanNation(TNation::Union) && !IsHumanNation(TNation::Confederacy)) {
    CurrentSide = 0;
  } else if (!IsHumanNation(TNation::Union)) {
    CurrentSide = TNation::Confederacy;
  } else if (!IsHumanNation(TNation::Confederacy)) {
    CurrentSide = TNation::Union;
  }
  if (CurrentSide != 0) SetMenusForOrders();
  Window().SetSideChangeCaption(TextLine(kSideChangeCaptionText + CurrentSide));
}

void ClearSelections() {
  CurrentCorps = 0;
  CurrentFleet = 0;
  CurrentArmy = 0;
  CurrentCity = 0;
  CurrentLeader = 0;
  Window().SetPanelCaption(WindowPanel::IdPanel, " ");
}
