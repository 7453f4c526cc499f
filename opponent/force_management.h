#pragma once
// The computer's management of its forces once per turn, after the battles:
// brigades topped up and armed, garrisons and fortifications, new corps,
// divisions and armies, ship repairs and orders, rail capacity and better
// weapons; and, for every nation, human or not, the countdown of the fleets
// under construction, without which no new fleet would ever put to sea.

void ManageComputerForces();

// Worn brigades filled up from their home state's recruits.
void TopUpBrigades(int nation);
// Muskets exchanged for better weapons from the nation's stock.
void UpgradeWeapons(int nation);
