#pragma once
// Engagements between fleets that meet at sea or off a port: every fleet
// under way in the hex fights for its camp, and an enemy port's coastal guns
// join when the fleet that opened the fight is attacking. One volley per ship
// type; hits fall first on the port's works, then damage ships and sink the
// damaged. A fleet left without ships goes down, and the corps it carried
// with it when at sea.

// Fights the engagement at the fleet's hex when the fleet is on patrol or
// beyond and an enemy stands there; shows it through the battle views and
// tells of each fleet sunk. Every fleet that took part leaves unspotted.
void ResolveNavalCombat(int fleet);
