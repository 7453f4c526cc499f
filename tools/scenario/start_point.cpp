#include "tools/scenario/start_point.h"

#include <cstring>

#include "tools/scenario/build_context.h"

void BuildStartPoint(const ScenarioSources& sources, const std::filesystem::path& folder,
                     TGameState& game) {
  std::memset(static_cast<void*>(&game), 0, sizeof game);
  BuildContext context{sources, game, folder, 0};
  BuildHeader(context);
  BuildFixedTables(context);
  BuildNations(context);
  BuildStatesAndCities(context);
  BuildLeaders(context);
  BuildArmiesAndCorps(context);
  BuildBrigades(context);
  BuildFleets(context);
  BuildDerivedFigures(context);
}
