#pragma once
// Engagements between fleets that meet at sea or off a port.
// Not written yet: the movement steps call it in its place, and no fleet fights.

// Fights the engagement at the fleet's hex, in its own dialog.
void ResolveNavalCombat(int fleet);
