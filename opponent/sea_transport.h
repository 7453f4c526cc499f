#pragma once
// The computer's corps that go by sea board the fleets assigned to them.
// Not written yet: the end of the orders calls it in its place, and no corps
// embarks.

// Embarks each corps assigned to a fleet of a computer nation.
void EmbarkAssignedCorps();
