// The inputs the saved-game fuzzer kept, played again without the fuzzer: each
// is refused by the load check or plays a turn breaking no invariant.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/loaded_turn.h"
#include "support/turn_runner.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const fs::path& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public TurnTest {};

TEST_F(CorpusReplay, EveryKeptInputIsRefusedOrPlaysATurnBreakingNothing) {
  int inputs = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(GRAYMARCH_FUZZ_CORPUS)) {
    if (!entry.is_regular_file()) continue;
    ++inputs;
    const std::vector<std::uint8_t> bytes = Bytes(entry.path());
    ASSERT_EQ(bytes.size(), GameImagesSize()) << entry.path();
    EXPECT_THAT(LoadAndPlayOneTurn(bytes).broken, ::testing::IsEmpty()) << entry.path();
  }
  EXPECT_GT(inputs, 0) << "the corpus is empty";
}

}  // namespace
