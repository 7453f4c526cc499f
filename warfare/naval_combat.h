#pragma once
// Engagements between fleets that meet at sea or off a port.

// Fights the engagement at the fleet's hex, in its own dialog.
void ResolveNavalCombat(int fleet);
