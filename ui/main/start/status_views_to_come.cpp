// The views not built yet: each opens nothing, so the menus can already call them.
#include "ui/main/start/status_views.h"

void ShowAboutBox() {}
void ShowConditions() {}
void ShowForceStatus() {}
void ShowForceOverview() {}
void ShowFleetOverview() {}
