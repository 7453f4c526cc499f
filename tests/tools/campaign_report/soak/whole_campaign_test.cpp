// Whole campaigns from each start file, the computer on every side, run in the
// sanitizer build under the label "soak": every invariant after every phase
// and pass, no stock or tally wrapping, the same seed the same game at every
// turn to the end, and a war that looks like one: neither side without
// supplies for half a year in the first two years, and battles in every
// season of campaigning.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "support/campaign_run.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostTurnsWithoutSupplies = 18;  // six months
constexpr int kLastYearWithSuppliesAsked = 1862;
// No start file's campaign runs longer; a campaign that did would never end.
constexpr int kMostTurns = 200;
// Each start file plays this seed twice, to the end, byte for byte the same.
constexpr std::uint32_t kReplayedSeed = 1;

struct Campaign {
  const char* year;
  std::uint32_t seed;
};

void PrintTo(const Campaign& campaign, std::ostream* out) {
  *out << campaign.year << " seed " << campaign.seed;
}

using TurnImage = std::vector<std::uint8_t>;  // the game and its map, whole

std::vector<TurnFigures> PlayToTheEnd(CampaignRun& campaign, const Campaign& start, std::vector<TurnImage>& images) {
  EXPECT_TRUE(campaign.Start(std::string(GRAYMARCH_GAME_DIR) + "/" + start.year + ".gmr", start.seed));
  return campaign.PlayTurns(kMostTurns, [&images](const TurnFigures&) {
    TurnImage& image = images.emplace_back(sizeof(TGameState) + sizeof(TMapRecord));
    std::memcpy(image.data(), &GameState, sizeof(TGameState));
    std::memcpy(image.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
  });
}

class WholeCampaign : public TurnTest, public ::testing::WithParamInterface<Campaign> {};

TEST_P(WholeCampaign, PlaysToItsEndBreakingNothingAndFightingEverySeason) {
  CampaignRun campaign;
  std::vector<TurnImage> images;
  const std::vector<TurnFigures> turns = PlayToTheEnd(campaign, GetParam(), images);
  EXPECT_TRUE(campaign.Over()) << "still at war after " << turns.size() << " turns";
  EXPECT_THAT(campaign.Findings(), ::testing::IsEmpty());
  for (int nation : {TNation::Union, TNation::Confederacy})
    EXPECT_LE(LongestTurnsWithoutSupplies(turns, nation, kLastYearWithSuppliesAsked), kMostTurnsWithoutSupplies)
        << "nation " << nation;
  EXPECT_THAT(SeasonsWithoutBattles(turns), ::testing::IsEmpty());
  int battles = 0;
  for (const TurnFigures& turn : turns) battles += turn.fieldBattles + turn.assaults;
  std::cout << GetParam().year << " seed " << GetParam().seed << ": " << campaign.Outcome() << "; " << battles
            << " battles and assaults\n";
  if (GetParam().seed != kReplayedSeed) return;
  CampaignRun again;
  std::vector<TurnImage> replayed;
  PlayToTheEnd(again, GetParam(), replayed);
  ASSERT_EQ(images.size(), replayed.size());
  for (std::size_t t = 0; t < images.size(); ++t) ASSERT_TRUE(images[t] == replayed[t]) << "turn " << t + 1;
}

INSTANTIATE_TEST_SUITE_P(ThreeSeedsOfEachStartFile, WholeCampaign,
                         ::testing::Values(Campaign{"1861", 1}, Campaign{"1861", 2}, Campaign{"1861", 3},
                                           Campaign{"1862", 1}, Campaign{"1862", 2}, Campaign{"1862", 3},
                                           Campaign{"1863", 1}, Campaign{"1863", 2}, Campaign{"1863", 3}),
                         [](const auto& info) {
                           return std::string("Start") + info.param.year + "Seed" + std::to_string(info.param.seed);
                         });

}  // namespace
