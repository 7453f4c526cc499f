#pragma once
// The notice that tells a watching player what the computer did with one of
// its brigades: filled it up with recruits, put it in a city's garrison, or
// attached it to a corps.

// What happened to the brigade.
namespace TBrigadeNews {
inline constexpr int Recruited = 1;   // count recruit points joined it; place 0
inline constexpr int Garrisoned = 2;  // it joined the garrison of city place
inline constexpr int Attached = 3;    // it joined corps place
}  // namespace TBrigadeNews

// Shown only to eyes that may see the nation's affairs (every nation's with
// message view 3, a human nation's with 1 or 2); otherwise, or for a brigade
// of no home state, the pending notice is left untouched.
void AnnounceBrigade(int nation, int place, int brigade, int news, int count);
