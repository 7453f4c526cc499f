#include "warfare/computer_fleet_orders.h"

// Will choose patrols, port attacks, cotton runs and sea transport.
void PlanFleetsAndSeaTransport() {}
