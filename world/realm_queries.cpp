#include "world/realm_queries.h"

#include "world/codes.h"

int CampOfNation(int nation) {
  if (!IsNation(nation)) return TSide::None;
  return GameState.Nations[nation].Side;
}
