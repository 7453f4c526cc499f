#pragma once
// When a commander falls, a human side chooses his successor from the free
// leaders of its camp; one of a lower class than the command needs is
// promoted to it, at a cost in his ratings.
#include <array>
#include <string>

#include "warfare/battle_views.h"

// Whether the leader is free to succeed a fallen commander of the nation.
bool IsFreeSuccessor(int leader, int nation, int fallen);
// Whether the nation has any free successor to the fallen leader.
bool HasFreeSuccessor(int nation, int fallen);

// The candidates for the corps' command, with their class marks.
LeaderChoiceView CorpsSuccessorChoice(int corps);
// The candidates for the army's command: corps and army leaders only.
LeaderChoiceView ArmySuccessorChoice(int army);

// The chosen successor, made active and promoted as needed; 0 when none was
// chosen. An army with no candidate asks no one.
int ReplaceCorpsLeader(int corps);
int ReplaceArmyLeader(int army);

// The words the dialog shows for a candidate's combat, initiative,
// inspiration and aggression, hidden while he is untried and ratings are hidden.
std::array<std::string, 4> RatingWords(int leader);
