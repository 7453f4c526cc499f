#pragma once
// The game-wide variables: the game and its map, the selections, and the
// results that one rule leaves for the next. None of them is saved except the
// two records, which the load and save code write as they stand.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "world/event_message.h"
#include "world/game_state.h"
#include "world/map_record.h"
#include "world/table.h"

extern TGameState& GameState;
extern TMapRecord& MapRecord;

// Name of the loaded game without its extension, ending in the dot.
extern std::string GameFileName;
// The name of the game last saved since the game in play was loaded (its
// extension left off); each load clears it.
extern std::string SavedGameName;
// Set once a mail turn is handed over, until the next game is loaded: a second
// save in the same sitting writes the files but passes the move on no further.
extern bool MailHandOverDone;
// Set by each load, cleared when a turn is executed or replayed here: whether
// a received mail turn may still wait to be replayed (received_turn.h).
extern bool ReceivedTurnWaiting;
// 0 running; 1 last turn reached, quitting or a load pending; 2 or 3 a side
// capitulated; 10 set by the battle dispatcher in play by mail; 255 draw no units.
extern std::uint16_t GameOverCode;

// The nation whose orders are shown or processed (0 between turns).
extern std::uint16_t CurrentSide;
extern std::uint16_t CurrentCorps;
extern std::uint16_t CurrentArmy;
extern std::uint16_t CurrentCity;
extern std::uint16_t CurrentFleet;
extern std::uint16_t CurrentLeader;
extern std::uint16_t CurrentState;

extern std::uint16_t HexCursorX;
extern std::uint16_t HexCursorY;

// The route finder's results.
extern std::uint16_t TargetHexX;
extern std::uint16_t TargetHexY;
extern std::uint16_t RouteReached;
extern Table<std::uint8_t, 30> RouteSteps;

// The hex the player clicked, and what the map finder found on it.
extern std::uint16_t ClickedHexX;
extern std::uint16_t ClickedHexY;
struct TFinderResult {
  std::uint16_t Index;  // of the object in its table
  std::uint16_t Kind;   // TFinderKind
};
extern std::uint16_t FinderCount;
extern Table<TFinderResult, 20> FinderResults;

// The map's click state: a path drag is armed or running, a corps is picked
// for a move order, the click only shows information.
extern std::uint8_t DragActive;
extern std::uint8_t CorpsPicked;
extern std::uint8_t InfoClick;

// Results of the city threat assessment, read right after it.
extern std::uint16_t ThreatCorpsAtCity;
extern std::uint16_t ThreatOwnStrength;
extern std::uint16_t ThreatEnemyStrength;
extern std::uint16_t ThreatEnemyCount;
extern std::uint16_t ThreatEnemyValue;
// Filled by the computer's corps search around a city: the distance to the
// nearest enemy and to the nearest own corps, 100 when there is none.
extern std::uint16_t NearestEnemyDistance;
extern std::uint16_t NearestOwnDistance;

// The battle being fought.
extern std::int32_t BattleStrength1;
extern std::int32_t BattleStrength2;
extern std::int32_t BattleReadiness1;
extern std::int32_t BattleReadiness2;
extern std::uint16_t BattleCorps1;
extern std::uint16_t BattleCorps2;
extern std::uint16_t BattleRound;
extern std::uint16_t InitiativeSide;
// Rows 0..13 (troops, fatigue, ... corps count), each with a word per side 1, 2.
extern std::array<Table<std::uint16_t, 2>, 14> BattleFactors;
extern Table<std::uint8_t, 120> CorpsEngaged;
extern Table<std::int8_t, 120> CorpsBattleMark;
// Entry c: the start strength of corps c; entry c + 120: twice its artillery.
extern Table<std::uint16_t, 240> CorpsBattleStart;
extern Table<std::uint16_t, 8> WeaponLossCounters;  // per weapon, side 1's losses

extern Table<std::uint8_t, 8> StepFlags;

// The last column the weather roll drew; kept here rather than in the saved
// header, whose word would overwrite the weather table's first entry.
extern std::uint16_t WeatherColumn;

extern TEventMessage EventMessage;
extern Table<TEventOption, 6> EventOptions;

// Text n is line n, counted from 0.
extern std::vector<std::string> TextTable;
extern std::vector<std::string> BattleLog;

// Zeroes every variable above, both records included, and empties the lists.
void ResetGameWideVariables();

// Keeps every variable above as it is while it lives, and puts them all back
// when it goes: a trial run of a rule on another game leaves the game in play
// untouched.
class GameWideVariablesKept {
 public:
  GameWideVariablesKept();
  ~GameWideVariablesKept();
  GameWideVariablesKept(const GameWideVariablesKept&) = delete;
  GameWideVariablesKept& operator=(const GameWideVariablesKept&) = delete;

 private:
  std::vector<std::function<void()>> restorers_;
};
