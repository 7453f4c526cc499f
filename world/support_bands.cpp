#include "world/support_bands.h"

namespace {
struct Band {
  int most;
  int line;
};
constexpr Band kBands[] = {{20, 627}, {40, 628}, {59, 629}, {80, 630}, {100, 631}};
}  // namespace

int SupportBandLine(int loyalty) {
  for (const Band& band : kBands)
    if (loyalty <= band.most) return band.line;
  return 0;
}
