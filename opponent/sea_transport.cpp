#include "opponent/sea_transport.h"

// Will put each assigned corps aboard its fleet when both share a port.
void EmbarkAssignedCorps() {}
