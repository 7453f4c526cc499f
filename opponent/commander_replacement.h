#pragma once
// The computer relieves commanders who have lost its confidence.

// For the nation in CurrentSide: an army commander whose modifier is below -21
// and a corps commander below -20 are relieved (status 200) and replaced by
// the successor the succession rules choose, with a notice to the player. A
// serving corps commander moved up to an army hands his corps on and takes the
// army; a corps-class successor of an army is raised to army rank. With no
// successor the commander stays.
void ReplaceFailingArmyCommanders();
