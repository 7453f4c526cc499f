#pragma once
// The status and overview views the menus open; each reads the records of
// CurrentSide and changes nothing.

void ShowAboutBox();
void ShowConditions();
void ShowForceStatus();
void ShowForceOverview();
void ShowFleetOverview();
