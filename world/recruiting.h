#pragma once
// Turning the states' manpower into recruits of each arm and raising brigades
// from them, once a month after the volunteers have come in.

// Computer nations first shift their production shares toward the arm their
// brigades lack; then every state splits its manpower by its nation's shares
// and raises at most one brigade of each arm.
void RecruitFromStates();
