#pragma once
// How the raising dialogs list a brigade: "2nd NY Inf  Springfields".
#include <string>

// The brigade's ordinal, home state, arm and weapon (nothing for none). The
// raise-corps list has always spelt the rifled cannon with one t, so the word
// for weapon 7 is the caller's.
std::string BrigadeRow(int brigade, const char* parrott_word = " Parrotts");
