#include "world/battle_replay.h"

#include <cstddef>
#include <vector>

#include "world/file_io.h"
#include "world/vardecl.h"

int ReplayLine = 0;

void ReadBattleFile(const std::string& gameFileName) {
  const auto file = FindFileIgnoringCase(gameFileName + "BTL");
  auto lines = file ? ReadTextLines(*file) : std::nullopt;
  BattleLog = lines ? std::move(*lines) : std::vector<std::string>{};
}

namespace {

constexpr std::size_t kCorpsSlots = 10;

bool LineIs(const char* text) {
  return ReplayLine >= 0 && static_cast<std::size_t>(ReplayLine) < BattleLog.size() &&
         BattleLog[ReplayLine] == text;
}

// Moves on one line and returns it; at the end of the log, nothing, and the
// cursor goes no further.
std::optional<std::string> NextLine() {
  if (static_cast<std::size_t>(ReplayLine) < BattleLog.size()) ++ReplayLine;
  if (static_cast<std::size_t>(ReplayLine) >= BattleLog.size()) return std::nullopt;
  return BattleLog[ReplayLine];
}

bool ReadInto(std::string& into) {
  const std::optional<std::string> line = NextLine();
  if (line) into = *line;
  return line.has_value();
}

template <std::size_t N>
bool ReadInto(std::array<std::string, N>& into) {
  for (std::string& cell : into) {
    if (!ReadInto(cell)) return false;
  }
  return true;
}

// The cursor starts on the line before the first slot; a side with ten corps
// is closed by one more end line, which is passed over too.
bool ReadCorpsRows(TReplayedCorpsRows& rows, const char* end_of_side) {
  for (std::size_t slot = 0; slot < kCorpsSlots; ++slot) {
    if (static_cast<std::size_t>(ReplayLine + 1) >= BattleLog.size()) return false;
    if (BattleLog[ReplayLine + 1] == end_of_side) {
      ++ReplayLine;
      continue;
    }
    rows[slot].emplace();
    if (!ReadInto(*rows[slot])) return false;
  }
  if (static_cast<std::size_t>(ReplayLine + 1) < BattleLog.size() &&
      BattleLog[ReplayLine + 1] == end_of_side) {
    ++ReplayLine;
  }
  return true;
}

bool SkipToResult() {
  while (!LineIs("Result")) {
    if (!NextLine()) return false;
  }
  return true;
}

// Moves the cursor onto the block's "EndOfBattle" line, or past the log's end.
void SkipToEndOfBattle() {
  while (!LineIs("EndOfBattle") && NextLine()) {
  }
}

}  // namespace

std::optional<TReplayedBattle> ReadReplayedBattle() {
  TReplayedBattle battle;
  std::string column_heading;
  const bool whole = ReadInto(battle.engagement) && SkipToResult() &&
                     ReadInto(battle.initiative) && ReadInto(battle.result_heading) &&
                     ReadInto(column_heading) && ReadInto(battle.union_figures) &&
                     ReadCorpsRows(battle.union_corps, "EndOfUnion") &&
                     ReadInto(column_heading) && ReadInto(battle.confederate_figures) &&
                     ReadCorpsRows(battle.confederate_corps, "EndOfConfed") &&
                     ReadInto(battle.result);
  if (!whole) return std::nullopt;
  return battle;
}

void ReplayBattles(const std::function<void(const TReplayedBattle&)>& show) {
  ReplayLine = 1;
  for (int i = 1; i <= GameState.BattleCount; ++i) {
    if (!LineIs("Battle")) continue;
    const std::optional<TReplayedBattle> battle = ReadReplayedBattle();
    if (!battle) return;
    show(*battle);
    SkipToEndOfBattle();
    if (!NextLine() || LineIs("TurnOver")) return;
  }
}
