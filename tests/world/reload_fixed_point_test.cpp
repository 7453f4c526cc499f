// Loading is a fixed point: a game loaded, saved and loaded again is the game
// in play with its figures rebuilt as the load rebuilds them, for the start
// files and for games saved a few turns into a campaign; a mail turn, which
// the load rebuilds nothing of, comes back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/campaign_run.h"
#include "support/reload_check.h"
#include "support/turn_runner.h"
#include "world/play_modes.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kTurns = 4;
constexpr int kSaveEvery = 2;

// The start file and the games saved every other turn of a short campaign,
// each named without its extension.
std::vector<std::string> GamesOf(const std::string& year, const std::string& folder) {
  const std::string start = std::string(GRAYMARCH_GAME_DIR) + "/" + year;
  std::vector<std::string> games = {start};
  CampaignRun campaign;
  EXPECT_TRUE(campaign.Start(start + ".gmr", 5));
  campaign.PlayTurns(kTurns, [&](const TurnFigures& figures) {
    if (figures.turn % kSaveEvery != 0) return;
    games.push_back(folder + year + "-turn" + std::to_string(figures.turn));
    EXPECT_TRUE(SaveGame(games.back()));
  });
  EXPECT_TRUE(campaign.Findings().empty()) << campaign.Findings().front();
  return games;
}

// The game file of a start file is named in lower case, a save's in upper.
std::string GameFile(const std::string& game) {
  return game + (game.starts_with(GRAYMARCH_GAME_DIR) ? ".gmr" : ".GMR");
}

class ReloadFixedPoint : public TurnTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReloadFixedPoint, StartFilesAndSavedGamesLoadBackToThemselves) {
  for (const std::string& game : GamesOf(GetParam(), PathOf(""))) {
    SCOPED_TRACE(game);
    ASSERT_TRUE(LoadGame(GameFile(game))) << window.Messages().back();
    ASSERT_TRUE(SaveGame(PathOf("once")));
    EXPECT_EQ(FindReloadDifference(PathOf("once")), "");

    GameState.PlayMode = TPlayMode::MailToSend;
    ASSERT_TRUE(SaveGame(PathOf("mail")));
    ASSERT_TRUE(LoadGame(PathOf("mail.GMR"))) << window.Messages().back();
    ASSERT_TRUE(SaveGame(PathOf("mail-again")));
    EXPECT_EQ(FileBytes(PathOf("mail.GMR")), FileBytes(PathOf("mail-again.GMR")));
    EXPECT_EQ(FileBytes(PathOf("mail.GMP")), FileBytes(PathOf("mail-again.GMP")));
  }
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, ReloadFixedPoint,
                         ::testing::Values("1861", "1862", "1863"));

}  // namespace
