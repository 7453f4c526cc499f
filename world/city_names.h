#pragma once
// How a city is named beside its state.
#include <string>

#include "world/realm_records.h"

// Cities that share a name elsewhere carry their state in it ("Columbus, Ga."),
// and are not followed by the state's name a second time.
bool NameTellsState(const TCity& city);

// The city's name, and after `separator` the state's short name unless the
// city's name already tells it or the state is unknown.
std::string CityWithShortState(const TCity& city, const std::string& separator);
