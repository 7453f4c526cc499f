#include "ui/main/main_commands.h"

#include <string>

#include "turn/movement_driver.h"
#include "ui/main/main_form.h"
#include "ui/main/start/delay_form.h"
#include "ui/main/start/side_select.h"
#include "ui/main/start/start_sequence.h"
#include "ui/main/views/about_box.h"
#include "ui/main/views/army_overview.h"
#include "ui/main/views/conditions.h"
#include "ui/main/views/fleet_overview.h"
#include "ui/main/views/force_status.h"
#include "ui/orders/order_dialogs.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/mail_handover.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/save_load.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

using Handler = void (TMainCommands::*)();

struct Binding {
  const char* item;
  Handler handler;
};

// Encyclopedia1 opens a help file the game does not have, so it is bound to nothing.
constexpr Binding kMenuBindings[] = {
    {"LoadGame1", &TMainCommands::LoadGame1Click},
    {"SaveGame1", &TMainCommands::SaveGame1Click},
    {"Execute1", &TMainCommands::Execute1Click},
    {"Playback1", &TMainCommands::Playback1Click},
    {"About1", &TMainCommands::About1Click},
    {"Quit1", &TMainCommands::Quit1Click},
    {"SideChange", &TMainCommands::SideChangeClick},
    {"Hidden1", &TMainCommands::Hidden1Click},
    {"Speed1", &TMainCommands::Speed1Click},
    {"HexOutline1", &TMainCommands::HexOutline1Click},
    {"VisibleFleetMoves1", &TMainCommands::VisibleFleetMoves1Click},
    {"Conditions1", &TMainCommands::Conditions1Click},
    {"ForceStatus1", &TMainCommands::ForceStatus1Click},
    {"Production1", &TMainCommands::Production1Click},
    {"Draft1", &TMainCommands::Draft1Click},
    {"States1", &TMainCommands::States1Click},
    {"Transfers1", &TMainCommands::Transfers1Click},
    {"Leadership1", &TMainCommands::Leadership1Click},
    {"CheckLeaders", &TMainCommands::CheckLeadersClick},
    {"ForceOverview1", &TMainCommands::ForceOverview1Click},
    {"FleetOverview1", &TMainCommands::FleetOverview1Click},
    {"ArmBrigades1", &TMainCommands::ArmBrigades1Click},
    {"RaiseArmy1", &TMainCommands::RaiseArmy1Click},
    {"RaiseCorps1", &TMainCommands::RaiseCorps1Click},
    {"RaiseFleet1", &TMainCommands::RaiseFleet1Click},
    {"CorpsOrders1", &TMainCommands::CorpsOrders1Click},
    {"ArmyOrders1", &TMainCommands::ArmyOrders1Click},
    {"CityOrders1", &TMainCommands::CityOrders1Click},
    {"FleetOrders1", &TMainCommands::FleetOrders1Click},
};

constexpr Binding kButtonBindings[] = {
    {"SpeedButton1", &TMainCommands::Execute1Click},
    {"Speedbutton2", &TMainCommands::Playback1Click},
    {"SpeedButton3", &TMainCommands::HexOutline1Click},
    {"SpeedButton4", &TMainCommands::VisibleFleetMoves1Click},
    {"SpeedButton5", &TMainCommands::Speed1Click},
};

constexpr int kQuitQuestionText = 463;

void RaiseNotice(const std::string& line1, const std::string& line2, const std::string& line3 = {}) {
  ClearEventMessage();
  EventMessage.Line1 = line1;
  EventMessage.Line2 = line2;
  EventMessage.Line3 = line3;
  ShowEventMessage();
}

// Commands a leader holds: armies with a headquarters and active corps.
int CommandsOf(int leader) {
  int commands = 0;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    commands += army.HqCity != 0 && army.Leader == leader;
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    commands += corps.Inactive == 0 && corps.Leader == leader;
  }
  return commands;
}

}  // namespace

TMainCommands::TMainCommands(TGMRSDI& window) : window_(window), animation_(window) {
  FirstTick = 1;
  Bind();
}

void TMainCommands::Bind() {
  for (const Binding& binding : kMenuBindings) {
    FindOwned<TMenuItem>(window_, binding.item)->OnClick = [this, binding](TComponent*) {
      (this->*binding.handler)();
    };
  }
  for (const Binding& binding : kButtonBindings) {
    auto* button = FindOwned<TSpeedButton>(window_, binding.item);
    button->OnClick = [this, binding, button](TComponent*) {
      if (button->Enabled()) (this->*binding.handler)();
    };
  }
  // Its first tick opens the start dialogs; every later one is a movement tick.
  window_.Timer1->OnTimer = [this](TComponent*) {
    if (FirstTick == 0) {
      animation_.Tick();
      return;
    }
    SoundEnabled = true;
    window_.Timer1->SetEnabled(false);
    StartMenu(window_.GameFolder());
    FirstTick = 0;
  };
}

void TMainCommands::Repaint() {
  Window().RepaintMap();
}

// A cancelled load keeps the game in play as it was, its speed included.
void TMainCommands::LoadGame1Click() {
  if (!LoadGameDialog()) return;
  if (GameState.PlayMode >= TPlayMode::MailSetUp) CurrentSide = GameState.MailSide;
  GameState.MoveDelay = 1;
}

void TMainCommands::SaveGame1Click() { SaveGameDialog(); }
void TMainCommands::Execute1Click() { animation_.Execute(); }
void TMainCommands::Playback1Click() { animation_.Playback(); }
void TMainCommands::About1Click() { ShowAboutBox(); }

void TMainCommands::Quit1Click() {
  ClearEventMessage();
  EventMessage.Line1 = TextLine(kQuitQuestionText);
  OfferYesAndNo();
  ShowEventMessage();
  if (EventMessage.Choice != 1) return;
  GameOverCode = 1;
  window_.Close();
}

// A side is chosen between turns only: while a turn runs no side gives orders.
void TMainCommands::SideChangeClick() {
  if (window_.Timer1->Enabled()) return;
  ::SideChangeClick();
}

void TMainCommands::Hidden1Click() {
  GameState.MessageView = GameState.MessageView == kEveryoneSees ? CurrentSide : kEveryoneSees;
  ShowHiddenEnemyItem();
  Repaint();
}

void TMainCommands::Speed1Click() { ShowDelayForm(*window_.Timer1); }

void TMainCommands::HexOutline1Click() {
  HexGridVisible = !HexGridVisible;
  Repaint();
}

void TMainCommands::VisibleFleetMoves1Click() {
  FleetMovesVisible = !FleetMovesVisible;
  FindOwned<TMenuItem>(window_, "VisibleFleetMoves1")->SetChecked(FleetMovesVisible);
}

void TMainCommands::Conditions1Click() { ShowConditions(); }
void TMainCommands::ForceStatus1Click() { ShowForceStatus(); }
void TMainCommands::Production1Click() { ShowCityProduction(); }
void TMainCommands::Draft1Click() { Window().ShowManpowerSettings(); }
void TMainCommands::States1Click() { ShowStateStats(); }
void TMainCommands::Transfers1Click() { ShowTransfers(); }
void TMainCommands::Leadership1Click() { ShowLeaderOrders(); }

void TMainCommands::CheckLeadersClick() {
  bool reported = false;
  for (int leader = 1; leader <= GameState.Leaders.Count; ++leader) {
    if (GameState.Leaders[leader].Side != CurrentSide || CommandsOf(leader) <= 1) continue;
    RaiseNotice(GameState.Leaders[leader].Name.str(), "is assigned to", "too many commands.");
    reported = true;
  }
  if (!reported) RaiseNotice("No command problems", "to report.");
}

void TMainCommands::ForceOverview1Click() { ShowForceOverview(); }
void TMainCommands::FleetOverview1Click() { ShowFleetOverview(); }
void TMainCommands::ArmBrigades1Click() { ShowRaiseBrigades(); }

void TMainCommands::RaiseArmy1Click() {
  ShowRaiseArmy();
  Repaint();
}

void TMainCommands::RaiseCorps1Click() {
  ShowRaiseCorps();
  Repaint();
}

void TMainCommands::RaiseFleet1Click() {
  ShowRaiseFleet();
  Repaint();
}

void TMainCommands::CorpsOrders1Click() {
  if (CurrentCorps != 0) ShowCorpsOrders();
}

void TMainCommands::ArmyOrders1Click() {
  if (CurrentArmy != 0) ShowArmyOrders();
}

void TMainCommands::CityOrders1Click() {
  if (CurrentCity != 0) ShowCityOrders();
}

void TMainCommands::FleetOrders1Click() {
  if (CurrentFleet != 0) ShowFleetOrders();
}
