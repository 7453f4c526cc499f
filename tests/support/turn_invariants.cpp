#include "support/turn_invariants.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "world/codes.h"
#include "world/save_load.h"
#include "world/saved_game_check.h"
#include "world/vardecl.h"

namespace {

using Findings = std::vector<std::string>;

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

bool IsActiveCorps(int c) {
  return c >= 1 && c <= GameState.Corps.Count && !GameState.Corps[c].IsFree();
}

bool IsActiveArmy(const TArmy& army) {
  return army.HqCity != 0;
}

void CheckIndices(Findings& findings) {
  for (const std::string& problem :
       {FindIndexOutOfRange(GameState), FindIndexOutOfRange(MapRecord)}) {
    if (!problem.empty()) findings.push_back(problem);
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && !TMapRecord::OnMap(corps.X, corps.Y))
      findings.push_back("corps " + std::to_string(c) + " is off the map");
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (!fleet.IsFree() && !TMapRecord::OnMap(fleet.X, fleet.Y))
      findings.push_back("fleet " + std::to_string(f) + " is off the map");
  }
}

std::string BrigadePlaceProblem(const TBrigade& brigade) {
  switch (brigade.Status) {
    case TBrigadeStatus::Free:
    case TBrigadeStatus::ArmedAndWaiting:
    case TBrigadeStatus::RaisedUnarmed:
      return "";
    case TBrigadeStatus::InCorps:
      if (!IsActiveCorps(brigade.Location))
        return "is in corps slot " + std::to_string(brigade.Location) + ", which is free";
      if (GameState.Corps[brigade.Location].Nation != brigade.Nation)
        return "is in corps " + std::to_string(brigade.Location) + " of another nation";
      return "";
    case TBrigadeStatus::InGarrison:
      if (brigade.Location < 1 || brigade.Location > GameState.Cities.Count)
        return "is in the garrison of city " + std::to_string(brigade.Location);
      return "";
    default:
      return "has status " + std::to_string(brigade.Status);
  }
}

void CheckBrigades(Findings& findings) {
  std::map<int, int> garrisons;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    const std::string problem = BrigadePlaceProblem(brigade);
    if (!problem.empty()) findings.push_back("brigade " + std::to_string(b) + " " + problem);
    if (brigade.Status == TBrigadeStatus::InGarrison) ++garrisons[brigade.Location];
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Nation != 0 && city.GarrisonCount != garrisons[c])
      findings.push_back("city " + std::to_string(c) + " counts " +
                         std::to_string(city.GarrisonCount) + " garrison brigades, the table " +
                         std::to_string(garrisons[c]));
  }
}

void CheckCommands(Findings& findings) {
  std::map<int, int> commands;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    if (IsActiveArmy(GameState.Armies[a])) ++commands[GameState.Armies[a].Leader];
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (IsActiveCorps(c)) ++commands[GameState.Corps[c].Leader];
  }
  for (const auto& [leader, count] : commands) {
    if (leader != 0 && count > 1)
      findings.push_back("leader " + std::to_string(leader) + " holds " + std::to_string(count) +
                         " commands");
  }
}

void CheckEmbarkation(Findings& findings) {
  std::map<int, int> carried;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.IsFree() || fleet.Corps == 0) continue;
    ++carried[fleet.Corps];
    if (!IsActiveCorps(fleet.Corps) ||
        GameState.Corps[fleet.Corps].Stance != TCombatStance::Embarked)
      findings.push_back("fleet " + std::to_string(f) + " carries corps " +
                         std::to_string(fleet.Corps) + ", which is not aboard");
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (IsActiveCorps(c) && GameState.Corps[c].Stance == TCombatStance::Embarked && carried[c] != 1)
      findings.push_back("embarked corps " + std::to_string(c) + " is carried by " +
                         std::to_string(carried[c]) + " fleets");
  }
}

std::vector<char> FileBytes(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
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
}

}  // namespace

TurnInvariants::TurnInvariants(std::string save_name)
    : geography_(GeographyOf(MapRecord)), save_name_(std::move(save_name)) {}

std::vector<std::string> TurnInvariants::Check() const {
  Findings findings = CheckRecords();
  CheckSave(save_name_, findings);
  return findings;
}

std::vector<std::string> TurnInvariants::CheckRecords() const {
  Findings findings;
  CheckIndices(findings);
  CheckBrigades(findings);
  CheckCommands(findings);
  CheckEmbarkation(findings);
  CheckGeography(geography_, findings);
  return findings;
}
