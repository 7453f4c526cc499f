#pragma once

#include "tools/sounds/synthesis.h"

// A field battle: a ragged volley of field guns along a line.
Sound LandVolley();
// A fleet and a port's batteries trading fire: heavy fort guns and bursting shells.
Sound HarbourBombardment();
// A warship's broadside rolling from bow to stern over the sea.
Sound SeaBroadside();
