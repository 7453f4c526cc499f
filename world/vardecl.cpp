#include "world/vardecl.h"

namespace {

TGameState game_state_storage;
TMapRecord map_record_storage;

template <typename T>
void Zero(T& variable) {
  variable = T{};
}

}  // namespace

TGameState& GameState = game_state_storage;
TMapRecord& MapRecord = map_record_storage;

std::string GameFileName;
std::string SavedGameName;
bool MailHandOverDone;
bool ReceivedTurnWaiting;
std::uint16_t GameOverCode;

std::uint16_t CurrentSide;
std::uint16_t CurrentCorps;
std::uint16_t CurrentArmy;
std::uint16_t CurrentCity;
std::uint16_t CurrentFleet;
std::uint16_t CurrentLeader;
std::uint16_t CurrentState;

std::uint16_t HexCursorX;
std::uint16_t HexCursorY;

std::uint16_t TargetHexX;
std::uint16_t TargetHexY;
std::uint16_t RouteReached;
Table<std::uint8_t, 30> RouteSteps;

std::uint16_t ClickedHexX;
std::uint16_t ClickedHexY;
std::uint16_t FinderCount;
Table<TFinderResult, 20> FinderResults;

std::uint8_t DragActive;
std::uint8_t CorpsPicked;
std::uint8_t InfoClick;

std::uint16_t ThreatCorpsAtCity;
std::uint16_t ThreatOwnStrength;
std::uint16_t ThreatEnemyStrength;
std::uint16_t ThreatEnemyCount;
std::uint16_t ThreatEnemyValue;
std::uint16_t NearestEnemyDistance;
std::uint16_t NearestOwnDistance;

std::int32_t BattleStrength1;
std::int32_t BattleStrength2;
std::int32_t BattleReadiness1;
std::int32_t BattleReadiness2;
std::uint16_t BattleCorps1;
std::uint16_t BattleCorps2;
std::uint16_t BattleRound;
std::uint16_t InitiativeSide;
std::array<Table<std::uint16_t, 2>, 14> BattleFactors;
Table<std::uint8_t, 120> CorpsEngaged;
Table<std::int8_t, 120> CorpsBattleMark;
Table<std::uint16_t, 240> CorpsBattleStart;
Table<std::uint16_t, 8> WeaponLossCounters;

Table<std::uint8_t, 8> StepFlags;

std::uint16_t WeatherColumn;

TEventMessage EventMessage;
Table<TEventOption, 6> EventOptions;

std::vector<std::string> TextTable;
std::vector<std::string> BattleLog;

namespace {

// Every variable above, each once: the reset and the keeping go through this list.
template <typename Visit>
void ForEachGameWideVariable(Visit&& visit) {
  visit(GameState);
  visit(MapRecord);
  visit(GameFileName);
  visit(SavedGameName);
  for (auto* word :
       {&GameOverCode,      &CurrentSide,          &CurrentCorps,        &CurrentArmy,
        &CurrentCity,       &CurrentFleet,         &CurrentLeader,       &CurrentState,
        &HexCursorX,        &HexCursorY,           &TargetHexX,          &TargetHexY,
        &RouteReached,      &ClickedHexX,          &ClickedHexY,         &FinderCount,
        &ThreatCorpsAtCity, &ThreatOwnStrength,    &ThreatEnemyStrength, &ThreatEnemyCount,
        &ThreatEnemyValue,  &NearestEnemyDistance, &NearestOwnDistance,  &BattleCorps1,
        &BattleCorps2,      &BattleRound,          &InitiativeSide,      &WeatherColumn}) {
    visit(*word);
  }
  for (auto* figure : {&BattleStrength1, &BattleStrength2, &BattleReadiness1, &BattleReadiness2}) {
    visit(*figure);
  }
  for (auto* flag : {&DragActive, &CorpsPicked, &InfoClick}) visit(*flag);
  for (auto* flag : {&MailHandOverDone, &ReceivedTurnWaiting}) visit(*flag);
  visit(RouteSteps);
  visit(FinderResults);
  visit(BattleFactors);
  visit(CorpsEngaged);
  visit(CorpsBattleMark);
  visit(CorpsBattleStart);
  visit(WeaponLossCounters);
  visit(StepFlags);
  visit(EventMessage);
  visit(EventOptions);
  visit(TextTable);
  visit(BattleLog);
}

}  // namespace

void ResetGameWideVariables() {
  ForEachGameWideVariable([](auto& variable) { Zero(variable); });
}

GameWideVariablesKept::GameWideVariablesKept() {
  ForEachGameWideVariable([this](auto& variable) {
    restorers_.push_back([&variable, kept = variable]() { variable = kept; });
  });
}

GameWideVariablesKept::~GameWideVariablesKept() {
  for (const auto& restore : restorers_) restore();
}
