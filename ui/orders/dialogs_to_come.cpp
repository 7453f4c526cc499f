// The dialogs not built yet: each opens nothing and changes nothing, so the map
// and the menus can already call them.
#include "ui/orders/order_dialogs.h"

void ShowCorpsOrders() {}
void ShowArmyOrders() {}
void ShowLeaderOrders() {}
void ShowRaiseBrigades() {}
void ShowRaiseCorps() {}
void ShowRaiseArmy() {}
