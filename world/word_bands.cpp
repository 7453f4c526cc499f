#include "world/word_bands.h"

namespace {
constexpr WordBand kReadinessBands[] = {
    {INT_MIN, 5, 532}, {6, 10, 533}, {11, 13, 534}, {14, 19, 535}, {20, 100, 536}};
}  // namespace

int BandLine(std::span<const WordBand> bands, int value) {
  for (const WordBand& band : bands) {
    if (value >= band.first && value <= band.last) return band.line;
  }
  return 0;
}

int ReadinessWordLine(int readiness) { return BandLine(kReadinessBands, readiness); }
