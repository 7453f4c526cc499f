#include "warfare/battle_file.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "world/play_modes.h"
#include "world/saturating.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

bool WritesBattleFile() {
  return GameState.PlayMode > TPlayMode::MailSetUp;
}

// One line of the file: a caption never breaks a line, and an empty one is
// written as "-" so that the reader never takes it for the end of a list.
void Write(std::string_view caption) {
  std::string line(caption);
  std::erase_if(line, [](char ch) { return ch == '\r' || ch == '\n'; });
  BattleLog.push_back(line.empty() ? "-" : line);
}

// A side's rows: each filled row as four lines, each empty one as the side's
// terminator, and one more terminator after a filled tenth row.
void WriteRows(const std::vector<ResultsRow>& rows, std::string_view terminator) {
  for (std::size_t i = 0; i < kCorpsRowsPerSide; ++i) {
    if (i >= rows.size()) {
      BattleLog.emplace_back(terminator);
      continue;
    }
    const ResultsRow& row = rows[i];
    for (const std::string& cell : {row.leader, row.brigades, row.casualties, row.disorder}) Write(cell);
  }
  if (rows.size() == kCorpsRowsPerSide) BattleLog.emplace_back(terminator);
}

}  // namespace

void WriteBattleOpening(const BattleForm& form) {
  if (!WritesBattleFile()) return;
  AddSaturated(GameState.BattleCount, 1);
  BattleLog.emplace_back("Battle");
  Write(form.location);
  BattleLog.emplace_back("Union Forces");
  Write(form.unionCommander);
  BattleLog.emplace_back("Confederate Forces");
  Write(form.confedCommander);
  Write(form.terrain);
  Write(form.weather);
}

void RecordBattleResult(const BattleResults& results) {
  if (!WritesBattleFile()) return;
  BattleLog.emplace_back("Result");
  Write(results.initiative);
  Write(results.intensity);
  Write(TextLine(505));
  Write(results.commanders[0]);
  Write(results.losses[0]);
  WriteRows(results.rows[0], "EndOfUnion");
  Write(TextLine(506));
  Write(results.commanders[1]);
  Write(results.losses[1]);
  WriteRows(results.rows[1], "EndOfConfed");
  Write(results.result);
  Write(results.weapons);
  BattleLog.emplace_back("EndOfBattle");
}
