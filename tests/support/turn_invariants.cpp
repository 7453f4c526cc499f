#include "support/turn_invariants.h"

#include <algorithm>
#include <cstring>

#include "support/record_rules.h"
#include "support/reload_check.h"
#include "world/game_consistency.h"
#include "world/menu_states.h"
#include "world/save_load.h"
#include "world/saved_game_check.h"
#include "world/vardecl.h"

namespace {

// Hex sides and state of each hex, and the terrain bits of its second byte;
// owner, route and link flags change in play.
constexpr std::uint8_t kSideCodeBits = 63;
constexpr std::uint8_t kTerrainBits = 7;

std::vector<std::uint8_t> GeographyOf(const TMapRecord& map) {
  std::vector<std::uint8_t> bytes;
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      const TMapCell& hex = map.Cell(x, y);
      bytes.push_back(hex.Bytes[0] & kSideCodeBits);
      bytes.push_back(hex.Bytes[1] & kTerrainBits);
      bytes.push_back(hex.Bytes[2]);
    }
  }
  return bytes;
}

// The first hex whose sides, terrain or state differ from the kept geography.
void CheckGeography(const std::vector<std::uint8_t>& kept, Findings& findings) {
  const std::vector<std::uint8_t> now = GeographyOf(MapRecord);
  const auto [changed, was] = std::mismatch(now.begin(), now.end(), kept.begin());
  if (changed == now.end()) return;
  const auto offset = changed - now.begin();
  const auto hex = offset / 3;
  const char* const parts[] = {"sides", "terrain", "state"};
  findings.push_back("hex (" + std::to_string(hex / TMapRecord::Rows + 1) + ", " +
                     std::to_string(hex % TMapRecord::Rows + 1) + ") changed its " +
                     parts[offset % 3] + " from " + std::to_string(*was) + " to " +
                     std::to_string(*changed));
}

// Before its orders a game may hold what the end of the orders settles.
void CheckGameRecords(bool orders_to_come, Findings& findings) {
  for (const std::string& problem :
       {FindIndexOutOfRange(GameState), FindIndexOutOfRange(MapRecord)}) {
    if (!problem.empty()) findings.push_back(problem);
  }
  // Only a game whose indices lie in their tables can be read for the rest.
  if (!findings.empty()) return;
  for (const GameFinding& finding : FindInconsistencies(GameState, MapRecord)) {
    if (!orders_to_come || finding.remedy != LoadRemedy::LeaveToTheOrders)
      findings.push_back(finding.Sentence());
  }
}

bool SameBytes(const std::vector<char>& file, const void* record, std::size_t size) {
  return file.size() == size && std::memcmp(file.data(), record, size) == 0;
}

void CheckSave(const std::string& name, Findings& findings) {
  if (!SaveGame(name)) {
    findings.push_back("the game could not be saved");
    return;
  }
  if (!SameBytes(FileBytes(name + ".GMR"), &GameState, kGameFileSize))
    findings.push_back("the saved game differs from the game in play");
  if (!SameBytes(FileBytes(name + ".GMP"), &MapRecord, kMapFileSize))
    findings.push_back("the saved map differs from the map in play");
  // A capitulation leaves the beaten nation without a player, and the load
  // then shows the reports a game without players shows: an ended game is
  // loaded to be looked at, not played.
  if (GameIsOver()) return;
  const std::string reloaded = FindReloadDifference(name);
  if (!reloaded.empty()) findings.push_back(reloaded);
}

}  // namespace

TurnInvariants::TurnInvariants(std::string save_name)
    : geography_(GeographyOf(MapRecord)), save_name_(std::move(save_name)) {}

std::vector<std::string> TurnInvariants::Check() {
  return CheckAll(false);
}

std::vector<std::string> TurnInvariants::CheckLoaded() {
  return CheckAll(true);
}

std::vector<std::string> TurnInvariants::CheckRecords() {
  return CheckRecords(false);
}

std::vector<std::string> TurnInvariants::CheckAll(bool orders_to_come) {
  Findings findings = CheckRecords(orders_to_come);
  if (findings.empty()) CheckArmyCorpsCounts(findings);
  CheckSave(save_name_, findings);
  return findings;
}

std::vector<std::string> TurnInvariants::CheckRecords(bool orders_to_come) {
  Findings findings;
  CheckGameRecords(orders_to_come, findings);
  // The rest reads the records through their indices.
  if (!findings.empty()) return findings;
  CheckOperationMarks(findings);
  CheckFleetCodes(findings);
  CheckGeography(geography_, findings);
  memory_.Check(findings);
  return findings;
}
