#pragma once
// Commanders fall in battle: a corps commander on the hits that shake his
// corps, an army commander on the losses of his army's brigades. A human side
// in one-machine play chooses the successor; the rules appoint one for the
// computer and in play by mail.
#include "warfare/battle_context.h"

void CheckCorpsLeaderCasualty(BattleContext& ctx, int corps);
void CheckArmyLeaderCasualty(BattleContext& ctx, int army);
