#include "warfare/battle_views.h"

#include <stdexcept>

namespace {

BattleViews* installed_views = nullptr;

}  // namespace

BattleViews& BattleView() {
  if (installed_views == nullptr) throw std::logic_error("no battle views are installed");
  return *installed_views;
}

BattleViews* InstallBattleViews(BattleViews* views) {
  BattleViews* previous = installed_views;
  installed_views = views;
  return previous;
}
