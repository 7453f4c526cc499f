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
#include <functional>
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

struct Campaign {
  const char* year;
  std::uint32_t seed;
};

void PrintTo(const Campaign& campaign, std::ostream* out) {
  *out << campaign.year << " seed " << campaign.seed;
}

std::vector<TurnFigures> PlayToTheEnd(CampaignRun& campaign, const Campaign& start,
                                      const std::function<void(const TurnFigures&)>& after_each = {}) {
  EXPECT_TRUE(campaign.Start(std::string(GRAYMARCH_GAME_DIR) + "/" + start.year + ".gmr", start.seed));
  return campaign.PlayTurns(kMostTurns, after_each);
}

class WholeCampaign : public TurnTest, public ::testing::WithParamInterface<Campaign> {};

TEST_P(WholeCampaign, PlaysToItsEndBreakingNothingAndFightingEverySeason) {
  CampaignRun campaign;
  const std::vector<TurnFigures> turns = PlayToTheEnd(campaign, GetParam());
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
}

INSTANTIATE_TEST_SUITE_P(ThreeSeedsOfEachStartFile, WholeCampaign,
                         ::testing::Values(Campaign{"1861", 1}, Campaign{"1861", 2}, Campaign{"1861", 3},
                                           Campaign{"1862", 1}, Campaign{"1862", 2}, Campaign{"1862", 3},
                                           Campaign{"1863", 1}, Campaign{"1863", 2}, Campaign{"1863", 3}),
                         [](const auto& info) {
                           return std::string("Start") + info.param.year + "Seed" + std::to_string(info.param.seed);
                         });

// Each turn's game and map, whole.
std::vector<std::vector<std::uint8_t>> TurnImages(const Campaign& start) {
  CampaignRun campaign;
  std::vector<std::vector<std::uint8_t>> images;
  PlayToTheEnd(campaign, start, [&images](const TurnFigures&) {
    std::vector<std::uint8_t>& image = images.emplace_back(sizeof(TGameState) + sizeof(TMapRecord));
    std::memcpy(image.data(), &GameState, sizeof(TGameState));
    std::memcpy(image.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
  });
  return images;
}

class SameSeedCampaign : public TurnTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SameSeedCampaign, PlaysTheSameGameByteForByteAtEveryTurn) {
  const std::vector<std::vector<std::uint8_t>> first = TurnImages({GetParam(), 4});
  const std::vector<std::vector<std::uint8_t>> again = TurnImages({GetParam(), 4});
  ASSERT_EQ(first.size(), again.size());
  for (std::size_t t = 0; t < first.size(); ++t) ASSERT_TRUE(first[t] == again[t]) << "turn " << t + 1;
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, SameSeedCampaign, ::testing::Values("1861", "1862", "1863"));

}  // namespace
