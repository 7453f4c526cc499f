#include "opponent/sea_transport.h"

// Will pick a port, a fleet and a corps for a landing.
void PlanAmphibiousOperations(int /*nation*/) {}

// Will put each assigned corps aboard its fleet when both share a port.
void EmbarkAssignedCorps() {}
