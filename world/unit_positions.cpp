#include "world/unit_positions.h"

#include "world/vardecl.h"

bool StandsOn(const TCorps& corps, int x, int y) {
  return corps.X == x && corps.Y == y;
}

bool IsActiveEnemy(const TCorps& corps, int side) {
  return corps.Inactive == 0 && corps.Side != side;
}

bool EnemyCorpsOn(int x, int y, int side) {
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    const TCorps& enemy = GameState.Corps[e];
    if (IsActiveEnemy(enemy, side) && StandsOn(enemy, x, y)) return true;
  }
  return false;
}

int StateAt(int x, int y) {
  if (!TMapRecord::OnMap(x, y)) return 0;
  const int state = MapRecord.Cell(x, y).State();
  return state <= GameState.States.Count ? state : 0;
}
