#pragma once
// The computer's landings from the sea: a nation picks an enemy port, a
// transport fleet and a corps waiting for it, and the corps boards the fleet
// when both share a port.
// Not written yet: no nation plans a landing and no corps embarks.

// Plans the nation's landing of the turn.
void PlanAmphibiousOperations(int nation);

// Embarks each corps assigned to a fleet of a computer nation.
void EmbarkAssignedCorps();
