#include "world/save_load.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "world/battle_replay.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/derived_state.h"
#include "world/file_io.h"
#include "world/game_bytes.h"
#include "world/game_consistency.h"
#include "world/game_window.h"
#include "world/load_corrections.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/received_turn.h"
#include "world/recording_window.h"
#include "world/save_names.h"
#include "world/saved_game_check.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMailTurnReceivedText = 727;

template <typename Record>
std::span<const std::uint8_t> BytesOf(const Record& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof(Record)};
}

// Both images of a game read from disk, not yet in play.
struct GameImages {
  FileImage game;
  FileImage map;
  std::string problem;  // why the game cannot be loaded; empty when it can
};

GameImages ReadGameImages(const std::string& fileName, const std::string& gameFileName) {
  GameImages images;
  const auto game_file = FindFileIgnoringCase(fileName);
  if (!game_file) {
    images.problem = "the file is missing";
    return images;
  }
  images.game = ReadFileImage(*game_file, kGameFileSize);
  if (!images.game.error.empty()) {
    images.problem = images.game.error;
    return images;
  }
  const std::string map_name = gameFileName + "GMP";
  const auto map_file = FindFileIgnoringCase(map_name);
  if (!map_file) {
    images.problem = "its map file " + map_name + " is missing";
    return images;
  }
  images.map = ReadFileImage(*map_file, kMapFileSize);
  if (!images.map.error.empty()) {
    images.problem = "its map file " + map_file->string() + " is damaged: " + images.map.error;
  }
  return images;
}

// What the load does to a file's records before the set-up is offered.
void RepairLoadedRecords() {
  ApplyLoadCorrections();
  // Before the derived state is rebuilt, which reads the cities' original camps.
  ResetUnknownOriginalSides();
}

void PutInPlay(const GameImages& images) {
  std::memcpy(&GameState, images.game.bytes.data(), kGameFileSize);
  std::memcpy(&MapRecord, images.map.bytes.data(), kMapFileSize);
}

// While it lives the rules show what they show to no one.
class UnseenWindow {
 public:
  UnseenWindow() : previous_(InstallGameWindow(&window_)) {}
  ~UnseenWindow() { InstallGameWindow(previous_); }
  UnseenWindow(const UnseenWindow&) = delete;
  UnseenWindow& operator=(const UnseenWindow&) = delete;

 private:
  RecordingWindow window_;
  GameWindow* previous_;
};

template <typename Record>
std::vector<std::uint8_t> CopyOf(const Record& record) {
  const auto bytes = BytesOf(record);
  return {bytes.begin(), bytes.end()};
}

// The first byte of `record` that differs from `expected`, as "army 3, byte 31
// is 2 when saved and loaded again, 0 in play"; empty when none does.
template <typename Record>
std::string FirstDifference(const std::vector<std::uint8_t>& expected, const Record& record,
                            std::string (*name)(std::size_t)) {
  const auto now = BytesOf(record);
  const auto [is, was] = std::mismatch(now.begin(), now.end(), expected.begin());
  if (is == now.end()) return "";
  return name(static_cast<std::size_t>(is - now.begin())) + " is " + std::to_string(*is) +
         " when saved and loaded again, " + std::to_string(*was) + " in play";
}

// The first reason the rules cannot play these records, or empty: a
// reference beyond its table, or what no repair of the load mends. The
// records are read for consistency only once every index is known to lie in
// its table.
std::string FindUnplayable(const TGameState& game, const TMapRecord& map) {
  std::string problem = FindIndexOutOfRange(game);
  if (problem.empty()) problem = FindIndexOutOfRange(map);
  if (!problem.empty()) return problem;
  for (const GameFinding& finding : FindInconsistencies(game, map)) {
    if (finding.remedy == LoadRemedy::Refuse) return finding.Sentence();
  }
  return "";
}

// The file is loaded on trial, with every game-wide variable kept for the game
// in play and nothing shown. Its repaired records must pass the file's own
// checks, since what is played must save as a file that loads. And loading is
// a fixed point: the loaded game, saved and loaded again, is the game in play
// with its figures rebuilt as the load rebuilds them (the weather is rolled
// afresh), drawing the same numbers; a file whose load would change on the
// second load is refused, so that whatever loads saves and loads back byte for
// byte. Empty when the trial finds nothing.
std::string FindTrialLoadProblem(const GameImages& images) {
  const GameWideVariablesKept game_in_play;
  const RandomStreamKept draws_to_come;
  const UnseenWindow unseen;
  PutInPlay(images);
  RepairLoadedRecords();
  RebuildLoadedFigures();
  if (const std::string problem = FindUnplayable(GameState, MapRecord); !problem.empty())
    return "after the repairs every load makes, " + problem;
  std::vector<std::uint8_t> game;
  std::vector<std::uint8_t> map;
  {
    const GameWideVariablesKept loaded;
    const RandomStreamKept same_draws;
    RebuildLoadedFigures();
    game = CopyOf(GameState);
    map = CopyOf(MapRecord);
  }
  RepairLoadedRecords();
  RebuildLoadedFigures();
  std::string change = FirstDifference(game, GameState, GameByteName);
  if (change.empty()) change = FirstDifference(map, MapRecord, MapByteName);
  return change;
}

// The first reason to refuse the game; it is loaded on trial only once its
// records are playable as they are.
std::string FindImageProblem(const GameImages& images) {
  TGameState game;
  TMapRecord map;
  std::memcpy(&game, images.game.bytes.data(), kGameFileSize);
  std::memcpy(&map, images.map.bytes.data(), kMapFileSize);
  if (std::string problem = FindUnplayable(game, map); !problem.empty()) return problem;
  return FindTrialLoadProblem(images);
}

bool AtStartDate() {
  return GameState.Year == GameState.StartYear && GameState.Month == GameState.StartMonth;
}

// A new game, not a mail game in progress, gets the set-up dialog, which may
// change who plays, the mode and the end date.
void OfferSetupOfNewGame() {
  GameOverCode = 0;
  if (AtStartDate() && GameState.PlayMode < TPlayMode::MailSetUp) Window().ShowSetupOptions();
  GameOverCode = 0;
}

// A mail game received from the other side is replayed before it is played on.
void OpenMailTurnForReplay() {
  Window().ShowMessage(TextLine(kMailTurnReceivedText));
  Window().SetCommandEnabled(WindowCommand::Execute1, false);
  Window().SetCommandEnabled(WindowCommand::SpeedButton1, false);
  ReadBattleFile(GameFileName);
}

}  // namespace

std::string NameWithoutExtension(const std::string& file) {
  const fs::path path(file);
  const std::string name = path.filename().string();
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return file;
  return (path.parent_path() / name.substr(0, dot)).string();
}

std::string GameFileNameOf(const std::string& file) {
  return NameWithoutExtension(file) + ".";
}

void ChooseMessageView() {
  GameState.MessageView = 0;
  if (!IsHumanNation(TNation::Union) && !IsHumanNation(TNation::Confederacy)) GameState.MessageView = 3;
}

void RebuildLoadedFigures() {
  ChooseMessageView();
  // A mail turn in progress is played on exactly as it was sent.
  const int mode = GameState.PlayMode;
  if (mode == TPlayMode::OneMachine || mode == TPlayMode::MailSetUp) RecomputeDerivedState();
}

bool SaveGame(const std::string& name, std::span<const FileToWrite> companions) {
  std::vector<FileToWrite> files = {{SpellingOnDisk(name + ".GMR"), BytesOf(GameState)},
                                    {SpellingOnDisk(name + ".GMP"), BytesOf(MapRecord)}};
  files.insert(files.end(), companions.begin(), companions.end());
  const std::string error = WriteFilesReplacing(files);
  if (error.empty()) return true;
  Window().ShowMessage("The game " + name + " was not saved: " + error + ".");
  return false;
}

bool LoadGame(const std::string& fileName) {
  const std::string game_file_name = GameFileNameOf(fileName);
  const GameImages images = ReadGameImages(fileName, game_file_name);
  const std::string problem = images.problem.empty() ? FindImageProblem(images) : images.problem;
  if (!problem.empty()) {
    Window().ShowMessage("The game " + fileName + " cannot be loaded: " + problem + ".");
    return false;
  }
  PutInPlay(images);
  GameFileName = game_file_name;
  MailHandOverDone = false;
  SavedGameName.clear();
  NoteTurnLoaded();

  RepairLoadedRecords();
  OfferSetupOfNewGame();
  RebuildLoadedFigures();
  // The gauges show the weather the game holds, rolled again or as sent.
  ShowWeatherGauges();
  SetMenusIdle();
  ChooseSideToPlay();
  ClearSelections();
  Window().RepaintMap();
  return true;
}

bool LoadGameDialog() {
  for (;;) {
    const auto chosen = Window().AskGameFileToOpen();
    // A cancel keeps the game in play, or returns to the scenario choice.
    if (!chosen) return false;
    if (LoadGame(*chosen)) break;
  }
  Window().RepaintMap();
  ApplyLoadCorrections();
  if (GameState.PlayMode == TPlayMode::MailReceived) OpenMailTurnForReplay();
  Window().SetCursor(WindowCursor::Default);
  if (IsHumanNation(TNation::Union) && IsHumanNation(TNation::Confederacy)) {
    Window().SideChangeClick();
    return true;
  }
  ClearSelections();
  Window().RepaintMap();
  Window().SetCursor(WindowCursor::Default);
  return true;
}
