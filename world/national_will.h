#pragma once
// The monthly manpower cycle: how each nation rates the war, how a computer
// nation sets its bounty and calls a draft, the volunteers and slaves drawn
// into the states' manpower pools, and the riots a draft may set off.

// For each nation: the war mood, a computer nation's bounty and draft, the
// month's volunteers; then the states recruit (RecruitFromStates).
void UpdateNationalWill();

// While the nation's draft runs, each of its states may riot against it; a
// riot is reported at once and costs the nation war score.
void CheckRiots(int nation);
