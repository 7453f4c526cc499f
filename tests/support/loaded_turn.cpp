#include "support/loaded_turn.h"

#include <fstream>

#include "support/campaign_run.h"
#include "world/save_load.h"

namespace {

constexpr const char* kName = "fuzzed";
// Any seed will do, as long as every run of an input draws the same.
constexpr std::uint32_t kSeed = 1;

bool WriteBytes(const std::string& file, std::span<const std::uint8_t> bytes) {
  std::ofstream output(file, std::ios::binary | std::ios::trunc);
  output.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(output);
}

}  // namespace

std::size_t GameImagesSize() {
  return kGameFileSize + kMapFileSize;
}

LoadedTurn LoadAndPlayOneTurn(std::span<const std::uint8_t> images) {
  LoadedTurn outcome;
  const std::string name = kName;
  if (images.size() != GameImagesSize() ||
      !WriteBytes(name + ".GMR", images.first(kGameFileSize)) ||
      !WriteBytes(name + ".GMP", images.subspan(kGameFileSize)))
    return outcome;
  CampaignRun campaign;
  if (!campaign.Start(name + ".GMR", kSeed)) {
    if (!campaign.Messages().empty()) outcome.refusal = campaign.Messages().back();
    return outcome;
  }
  outcome.loaded = true;
  if (!campaign.Over()) campaign.PlayTurn();
  outcome.broken = campaign.Findings();
  return outcome;
}
