#pragma once
// Where each label of the map goes. A label weighs every place near what it names and takes
// the cheapest: covering a railway, a city's mark or another label costs so much that it
// happens only where no clear place exists; crossing a river or a border, straying from the
// city's own state and lying far from the mark cost a little each. The same data always
// gives the same places.
#include <vector>

#include "tools/map/label_ground.h"

// One way of lettering a name, as the size of its box, and how much less it is liked than
// the first way.
struct LabelForm {
  int Width = 0;
  int Height = 0;
  int Penalty = 0;
};

enum class LabelKind { Fixed, City, State };

struct LabelRequest {
  LabelKind Kind = LabelKind::City;
  std::vector<LabelForm> Forms;
  PointF Anchor;  // a fixed label's top left corner, a city's mark; unused for a state
  int State = 0;  // the state a city lies in, or the state a state label names
};

struct LabelPlace {
  int Form = 0;
  TRect Box;
  long long Cost = 0;
};

// One place per request, in the order of the requests; an empty box where a label has no
// place on the picture at all.
std::vector<LabelPlace> PlaceLabels(const LabelGround& ground,
                                    const std::vector<LabelRequest>& requests);

// What covering one pixel of railway, city mark or another label costs: more than any
// place free of them can cost.
inline constexpr long long kCoveredPixel = 1'000'000;
