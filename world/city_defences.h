#pragma once
// Coastal guns and fortification levels a nation buys for its own cities from
// the supplies of the city's theatre, and sells back.

// A fortification level costs less each year of the war, never nothing.
int FortificationCost(int year);

// Each returns whether it acted; a refused purchase or sale changes nothing.
bool BuyCoastalGun(int nation, int city);
bool SellCoastalGun(int nation, int city);
// At most one level per city and turn.
bool BuyFortification(int nation, int city);
// Refunds what a level costs this year, whatever was paid for it.
bool SellFortification(int nation, int city);
