#pragma once
// The outlines of the election picture, projected to its pixels by the map
// generator from the census boundaries: every state, the territories, the
// neighbours' land and the lakes.
#include <string_view>
#include <vector>

struct OutlinePoint {
  float X = 0;
  float Y = 0;
};
using OutlineRing = std::vector<OutlinePoint>;

enum class OutlineKind { kState, kForeign, kLake };

struct ElectionOutline {
  OutlineKind kind = OutlineKind::kState;
  int state = 0;  // the game's state number; 0 for the territories
  OutlineRing ring;
};

// The generated text, one ring a line: "state N x,y ...", "foreign x,y ..." or "lake x,y ...".
std::string_view ElectionOutlineText();

const std::vector<ElectionOutline>& ElectionOutlines();

// Where the ring's edges cross the level y, appended in the ring's order. The picture
// fills between these and the inside tests count them, so that both agree to the pixel.
void AppendCrossings(const OutlineRing& ring, float y, std::vector<float>& xs);

// Even-odd over every ring of the state, so an island counts and a hole does not.
bool InsideStateOutline(int state, float x, float y);
bool InsideLake(float x, float y);
