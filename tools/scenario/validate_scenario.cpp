#include "tools/scenario/validate_scenario.h"

#include "tools/scenario/scenario_checks.h"
#include "world/codes.h"

std::string Findings::City(int c) const {
  return "city " + std::to_string(c) + " (" + game_.Cities[c].Name.str() + ")";
}
std::string Findings::Corps(int k) const {
  const TCorps& corps = game_.Corps[k];
  return "corps " + std::to_string(k) + " (nation " + std::to_string(corps.Nation) + " no. " +
         std::to_string(corps.Ordinal) + ")";
}
std::string Findings::Army(int a) const {
  return "army " + std::to_string(a) + " (" + game_.Armies[a].Name.str() + ")";
}
std::string Findings::Leader(int l) const {
  return "leader " + std::to_string(l) + " (" + game_.Leaders[l].Name.str() + ")";
}

int FullBrigadeStrength(int arm) {
  return arm == TArm::Artillery ? 16 : arm == TArm::Infantry ? 80 : 50;
}

std::vector<std::string> ValidateScenario(const TGameState& game, const TMapRecord* map) {
  Findings findings(game);
  CheckHeader(game, findings);
  CheckRealm(game, findings);
  CheckCommands(game, findings);
  CheckBrigades(game, findings);
  CheckFleets(game, findings);
  if (map != nullptr) CheckStartMap(game, *map, findings);
  return findings.List();
}
