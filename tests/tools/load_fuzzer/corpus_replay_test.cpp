// The inputs the saved-game fuzzer kept, played again without the fuzzer: each
// is refused by the load check with the reason its name gives, or plays a turn
// breaking no invariant.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "support/loaded_turn.h"
#include "support/turn_runner.h"

namespace fs = std::filesystem;

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// What each kept input must do, by its file's name: be refused with a message
// holding this reason, or, with none, load and play a turn breaking nothing.
const std::map<std::string, std::string> kExpected = {
    {"army-without-headquarters", "army 3 has HqCity 0, no headquarters"},
    {"city-in-no-theatre", "city 1 has Theatre 0, in no theatre"},
    {"corps-in-an-army-of-another-nation", "corps 10 has Army 10, an army of another nation"},
    {"fleet-home-port-off-the-map", "fleet 2 has HomePort 1, a city with no place on the map"},
    {"game-that-would-not-load-back",
     "hex (65, 15), byte 1 is 65 when saved and loaded again, 129 in play"},
    {"leader-in-two-commands-as-loaded", ""},
    {"plan-in-a-phase-its-operation-never-reaches", ""},
    {"play-mode-high-byte", "the game has PlayMode 65535, which is no way of playing"},
    {"state-on-water", "hex (40, 33) has state 29, a state on water"},
    {"warring-nation-in-no-camp", "nation 1 has Side 0, out of the war while its corps"},
};

std::vector<std::uint8_t> Bytes(const fs::path& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public TurnTest {};

TEST_F(CorpusReplay, EveryKeptInputIsRefusedForItsReasonOrPlaysATurnBreakingNothing) {
  std::map<std::string, std::string> unseen = kExpected;
  for (const fs::directory_entry& entry : fs::directory_iterator(GRAYMARCH_FUZZ_CORPUS)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ASSERT_EQ(unseen.count(name), 1u) << "a kept input says in this test what it must do";
    const std::string reason = unseen.extract(name).mapped();
    const std::vector<std::uint8_t> bytes = Bytes(entry.path());
    ASSERT_EQ(bytes.size(), GameImagesSize());
    const LoadedTurn outcome = LoadAndPlayOneTurn(bytes);
    if (reason.empty()) {
      EXPECT_TRUE(outcome.loaded) << outcome.refusal;
      EXPECT_THAT(outcome.broken, IsEmpty());
    } else {
      EXPECT_FALSE(outcome.loaded);
      EXPECT_THAT(outcome.refusal, HasSubstr("cannot be loaded: " + reason));
    }
  }
  for (const auto& [name, reason] : unseen) ADD_FAILURE() << name << " is not in the corpus";
}

}  // namespace
