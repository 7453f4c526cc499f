#pragma once
// One field battle from its set-up to its results, on the hex
// TGameState.BattleX/BattleY, whose corps the dispatcher has marked engaged
// and whose sides' strengths it has left in BattleStrength1/BattleStrength2.
void FightFieldBattle();
