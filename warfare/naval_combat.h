#pragma once
// Engagements between fleets that meet at sea or off a port: every fleet
// under way in the hex fights for its camp, and an enemy port's coastal guns
// join when the fleet that opened the fight is attacking. One volley per ship
// type; hits fall first on the port's works, then damage ships and sink the
// damaged. A fleet left without ships goes down, and the corps it carried
// with it when at sea.

#include <array>

// What one side brings to a volley: ships by TShipType (index type - 1),
// sound and damaged, and a port's coastal guns.
struct NavalForce {
  std::array<int, 3> ships{};
  std::array<int, 3> damaged{};
  int guns = 0;
};

// The hits the side's volley scores, each unit firing its shots in turn:
// ironclads 8 at one in two, damaged ironclads 4 at one in four, warships 2
// and damaged warships 1 at less, transports 1 at one in a hundred, coastal
// guns 8 at five in eight.
int VolleyHits(const NavalForce& force);

// Fights the engagement at the fleet's hex when the fleet is on patrol or
// beyond and an enemy stands there; shows it through the battle views and
// tells of each fleet sunk. Every fleet that took part leaves unspotted.
void ResolveNavalCombat(int fleet);
