// Ten turns of each start file with the computer on every side, every
// invariant after every phase and pass, and the same seed giving the same
// game byte for byte at every turn. The whole campaigns are the soak tests'.
#include "support/campaign_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "world/vardecl.h"

namespace {

constexpr int kTurns = 10;

std::string StartFile(const std::string& year) {
  return std::string(GRAYMARCH_GAME_DIR) + "/" + year + ".gmr";
}

// Ten turns from the start file, checked as they go; the game and its map
// after each turn, as a fingerprint.
std::vector<std::size_t> PlayAndFingerprint(const std::string& year, std::uint32_t seed) {
  CampaignRun campaign;
  EXPECT_TRUE(campaign.Start(StartFile(year), seed));
  std::vector<std::size_t> fingerprints;
  const std::vector<TurnFigures> turns = campaign.PlayTurns(kTurns, [&fingerprints](const TurnFigures&) {
    const std::hash<std::string_view> hash;
    fingerprints.push_back(hash({reinterpret_cast<const char*>(&GameState), sizeof(TGameState)}) ^
                           hash({reinterpret_cast<const char*>(&MapRecord), sizeof(TMapRecord)}) * 31);
  });
  EXPECT_THAT(campaign.Findings(), ::testing::IsEmpty());
  EXPECT_EQ(turns.size(), static_cast<std::size_t>(kTurns));
  for (std::size_t t = 1; t < turns.size(); ++t) {
    EXPECT_EQ(turns[t].turn, turns[t - 1].turn + 1);
    EXPECT_LT(turns[t - 1].date, turns[t].date) << "the calendar moves on";
  }
  for (const TurnFigures& turn : turns) {
    EXPECT_GT(turn.cities[0], 0) << turn.date;
    EXPECT_GT(turn.cities[1], 0) << turn.date;
  }
  EXPECT_THAT(campaign.Outcome(), ::testing::StartsWith("winner ")) << campaign.Outcome();
  return fingerprints;
}

class CampaignTurns : public TurnTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CampaignTurns, TenComputerTurnsBreakNothingAndTheSameSeedPlaysTheSameGame) {
  const std::vector<std::size_t> first = PlayAndFingerprint(GetParam(), 7);
  EXPECT_EQ(PlayAndFingerprint(GetParam(), 7), first);
  EXPECT_NE(PlayAndFingerprint(GetParam(), 8), first);
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, CampaignTurns, ::testing::Values("1861", "1862", "1863"));

}  // namespace
