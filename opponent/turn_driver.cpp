#include "opponent/turn_driver.h"

// Will value the cities, set the theatre postures and order armies and corps.
void RunNationTurnLoop() {}
