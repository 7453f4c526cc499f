#pragma once
// The player's commands outside the map: one short handler per item of the
// main menu and per button of the bottom bar. A disabled item or button
// never runs its handler.
#include "ui/main/turn_animation.h"

class TGMRSDI;

class TMainCommands {
 public:
  // Binds every item and button of the window to its handler; the timer's
  // first tick opens the start dialogs.
  explicit TMainCommands(TGMRSDI& window);

  void LoadGame1Click();
  void SaveGame1Click();
  void Execute1Click();
  void Playback1Click();
  void About1Click();
  void Quit1Click();
  void SideChangeClick();
  void Hidden1Click();
  void Speed1Click();
  void HexOutline1Click();
  void VisibleFleetMoves1Click();
  void Conditions1Click();
  void ForceStatus1Click();
  void Production1Click();
  void Draft1Click();
  void States1Click();
  void Transfers1Click();
  void Leadership1Click();
  void CheckLeadersClick();
  void ForceOverview1Click();
  void FleetOverview1Click();
  void ArmBrigades1Click();
  void RaiseArmy1Click();
  void RaiseCorps1Click();
  void RaiseFleet1Click();
  void CorpsOrders1Click();
  void ArmyOrders1Click();
  void CityOrders1Click();
  void FleetOrders1Click();

 private:
  void Bind();
  void Repaint();

  TGMRSDI& window_;
  TTurnAnimation animation_;
};
