#pragma once
// Who holds each city and state. A corps takes a city no one garrisons and no
// corps of its camp stands in; the capture moves war score, prisoners and
// loyalty, may end in looting, rewards the captor's commander and, for a
// computer captor, leaves a garrison. A state belongs to whoever holds its
// capital city.

// The neutral border states, whose cities pick a camp as the war reaches them.
inline constexpr int kNeutralStateNorth = 19;
inline constexpr int kNeutralStateSouth = 20;
bool IsNeutralBorderState(int state);

// 2 for camp 1 and 1 for camp 2; 0 for any other.
int OppositeCamp(int camp);

// A brigade lost with its city or corps: its men count against its home state
// and its slot is emptied. One taken prisoner also counts for its nation.
void LoseBrigade(int brigade);
void TakeBrigadePrisoner(int brigade);

void UpdateCityControl();

// The looting report: the booty taken from the city's former nation (its
// supplies of the city's theatre) by the captor corps' nation, and the rail
// capacity its original owner loses.
void ReportCityFall(int city, int corps, int formerNation);
