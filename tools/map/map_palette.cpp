#include "tools/map/map_palette.h"

namespace palette {

namespace {

constexpr Rgb kUnionWashes[] = {{214, 226, 188}, {226, 230, 178}, {200, 222, 204}, {222, 218, 190}};
constexpr Rgb kConfederateWashes[] = {
    {240, 208, 186}, {236, 220, 176}, {238, 200, 196}, {230, 214, 190}};
constexpr Rgb kBorderStateWash{220, 206, 222};

// A tint for each state, chosen so that no two neighbours share one.
constexpr int kTintOfState[38] = {0, 0, 1, 2, 1, 3, 0, 2, 1, 0, 2, 0, 1, 2, 0, 3, 1, 3, 1,
                                  0, 0, 0, 1, 0, 1, 2, 3, 2, 0, 3, 1, 1, 3, 2, 0, 3, 0, 0};

}  // namespace

Rgb StateWash(int state) {
  if (state == 19 || state == 20) return kBorderStateWash;
  if (state >= 21 && state <= 31) return kConfederateWashes[kTintOfState[state]];
  if (state >= 1 && state <= 35) return kUnionWashes[kTintOfState[state]];
  return kOutOfPlay;
}

Rgb StateBand(int state) {
  const Rgb wash = StateWash(state);
  const float grey = (wash.R + wash.G + wash.B) / 3;
  auto deepen = [&](float c) { return 0.9f * (c + 1.6f * (c - grey)); };
  return {deepen(wash.R), deepen(wash.G), deepen(wash.B)};
}

}  // namespace palette
