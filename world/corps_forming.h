#pragma once
// The computer sides build new corps and divisions out of the brigades waiting
// in a city: a slot, a commander, as many brigades as he can lead, and a notice.

// Brigades a new formation is drawn from.
inline constexpr int kFromGarrison = 0;  // the city's garrison
inline constexpr int kFromWaiting = 1;   // any other value: armed brigades waiting anywhere

// Forms a corps (kind 0) or an infantry (1) or cavalry (2) division of the
// nation in the city. Returns the new corps, or 0 when none was formed.
int FormCorpsFromBrigades(int kind, int city, int nation, int source);

// Makes corps slot c a new formation of the nation under the leader, camped in
// the city and told to hold it: the values every new corps starts with, whether
// the computer or a player raises it. Its kind and brigades are the caller's.
void PlaceNewFormation(int c, int city, int nation, int leader);
