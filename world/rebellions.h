#pragma once
// An occupied city may rise against its holder when its garrison is too weak
// or its state's people turn against the occupier, and go back to the camp it
// belonged to.

// The camp a city belonged to at the start. A French or British city counts
// in its power's camp.
int OriginalCampOf(int city);

void CheckCityRebellions();
