#pragma once
// The computer's management of its forces once per turn, after the battles:
// brigades topped up and armed, garrisons and fortifications, new corps,
// divisions and armies, ship repairs and orders, rail capacity and better
// weapons; and, for every nation, human or not, the countdown of the fleets
// under construction, without which no new fleet would ever put to sea.

void ManageComputerForces();

// The phases of the nation's turn that are kept here.
void TopUpBrigades(int nation);
void BuyRailCapacity(int nation);
void UpgradeWeapons(int nation);
// Empties every corps slot whose corps has ceased to exist.
void ClearDeadCorpsSlots();
