#include "world/word_bands.h"

namespace {
constexpr WordBand kReadinessBands[] = {
    {INT_MIN, 5, 532}, {6, 10, 533}, {11, 13, 534}, {14, 19, 535}, {20, 100, 536}};
constexpr WordBand kSupportBands[] = {
    {INT_MIN, 20, 627}, {21, 40, 628}, {41, 59, 629}, {60, 80, 630}, {81, 100, 631}};
}  // namespace

int BandLine(std::span<const WordBand> bands, int value) {
  for (const WordBand& band : bands) {
    if (value >= band.first && value <= band.last) return band.line;
  }
  return 0;
}

int ReadinessWordLine(int readiness) {
  return BandLine(kReadinessBands, readiness);
}

int SupportWordLine(int loyalty) {
  return BandLine(kSupportBands, loyalty);
}
