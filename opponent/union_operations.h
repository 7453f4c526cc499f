#pragma once
// The Union's scripted campaigns, each tied to states and cities of the
// historical map: a small machine per operation (idle, preparing, gathering,
// executing) kept in the game's plan records, marking the corps, armies and
// cities it uses. The Union's plan runs them in the order 1, 2, 3, 4, 5, 7, 6.
#include <utility>

void RunUnionOperation1();
void RunUnionOperation2();
void RunUnionOperation3();
void RunUnionOperation4();
void RunUnionOperation5();
void RunUnionOperation6();
void RunUnionOperation7();

// The nearest free corps of the nation's camp to the city (corps serving in
// armies included), nearer than radius + 1 with distances doubled outside the
// city's theatre, else the nation's nearest free corps of the theatre in no
// army below 12 hexes; 0 when none. Leaves the strengths within the radius in
// the threat variables, both counted from 1.
int FindNearestUnionCorps(int city, int nation, int radius);

// Sends the nearest Union corps (within 5) to hold the city under the
// operation; true when it is already within 2 hexes of it.
bool DispatchUnionCorps(int city, int operation);

// The enemy city of the corps' theatre worth most to the nation once each hex
// of the way costs 10 of its planning value; 0 when none is worth the march.
int PickEnemyCityForCorps(int nation, int corps);

// The best and second best cities of the state not held by the Union, by five
// times their value less the hexes from the city `from`; 0 for none, and
// none without a city to start from.
std::pair<int, int> PickTwoCitiesInState(int state, int from);
