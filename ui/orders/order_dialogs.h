#pragma once
// The order and production dialogs as the map, the menus and the overviews
// open them. Each acts on the selection named beside it and returns at once
// when that is 0; every one is modal and writes into GameState itself.

// What the finder listed on the clicked hex (FinderResults); leaves in
// FinderCount the number of the entry picked last.
void ShowSelectionDialog();

void ShowCorpsOrders();        // CurrentCorps
void ShowBrigadeView();        // CurrentCorps
void ShowWeaponSelection(int brigade);
void ShowArmyOrders();         // CurrentArmy
void ShowLeaderOrders();       // the leaders of CurrentSide
void ShowCityOrders();         // CurrentCity
void ShowFleetOrders();        // CurrentFleet
void ShowEmbarkCorps();        // CurrentFleet
void ShowRaiseFleet();         // CurrentSide
void ShowRaiseBrigades();      // CurrentSide
void ShowRaiseCorps();         // CurrentSide
void ShowRaiseArmy();          // CurrentSide
void ShowCityProduction();     // CurrentSide
void ShowTransfers();          // CurrentSide
void ShowStateStats();         // CurrentSide
void ShowManpowerSettings();   // CurrentSide
