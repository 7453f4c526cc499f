#pragma once
// The Confederacy's scripted campaigns: defending its home states and taking
// back lost cities, with the phase records and marks of the Union's. Its plan
// runs 14 every turn and the others by its postures.

void RunConfederateOperation10();
void RunConfederateOperation11();
void RunConfederateOperation12();
void RunConfederateOperation13();
void RunConfederateOperation14();

// The nearest free corps of the nation's camp in no army, nearer than radius
// + 1 with distances doubled outside the city's theatre, else the nation's
// nearest free corps of the theatre below 12 hexes; 0 when none. Leaves the
// strengths within the radius in the threat variables, counted from 0.
int FindNearestCorps(int city, int nation, int radius);

// Sends the nearest free Confederate corps (within 20) to retake the city.
void DispatchConfederateCorps(int city);
