#pragma once
// The computer's corps that go by sea board the fleets assigned to them.

// Embarks each corps assigned to a fleet of a computer nation.
void EmbarkAssignedCorps();
