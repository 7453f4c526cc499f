#pragma once
// Rules of the records that hold at any moment of play, beyond the indices
// and links the loader checks: the computer's operation marks within the sets
// each camp uses and each plan's phase within those its operation goes
// through; a fleet's status and transport mark among the codes the rules
// write; an army's corps count as the corps table has it.
#include <string>
#include <vector>

using Findings = std::vector<std::string>;

void CheckOperationMarks(Findings& findings);
void CheckFleetCodes(Findings& findings);
// Corps join and leave armies between the force totals, so the totals are run
// on the game, which is then put back as it was: each army then counts the
// corps that serve in it, and no corps serves in an army the totals found empty.
void CheckArmyCorpsCounts(Findings& findings);
