#pragma once
// The sound of a land fight: every field battle opened, every round of a
// bombardment and of a storm.
#include "world/game_window.h"

inline void PlayBattleSound() {
  if (SoundEnabled) Window().PlaySound("LAND.WAV");
}
