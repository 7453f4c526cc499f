#include "tools/map/label_search.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The prices of a place, in the units of one pixel of distance from a city's mark.
// A city's name sits snug beside its mark, level with it, to the right where it can:
constexpr long long kDistancePixel = 10;  // each pixel farther than a snug gap
constexpr int kSnugGap = 7;               // from a mark to its name, past the ring of paper
constexpr int kFarthestGap = 32;          // beyond this a name no longer reads as its city's
constexpr long long kMisalignedPixel = 2;
constexpr long long kLeftOfMark = 15;
constexpr long long kAboveOrBelow = 25;
// and nearer its own mark than any other by a clear margin:
constexpr float kClearlyNearer = 4;
constexpr float kAmbiguousPixel = 25;   // each pixel short of the margin
constexpr float kNeighbourReach = 200;  // marks farther off are never the nearer
// Lines under a name: the halo keeps it readable, but a clear place is better.
constexpr long long kRiverPixel = 20;
constexpr long long kBorderPixel = 20;
// A river or border between a name and its mark puts the name on the wrong bank.
constexpr long long kCrossingPixel = 30;
// Pixels of a city's name over another state's land that cost one pixel of distance.
constexpr int kForeignLandPerPrice = 10;
// A state's name lies on the state's own land, though it may reach over its own bays.
constexpr long long kOutsideStatePixel = 10'000;
constexpr long long kStateWaterPixel = 200;
constexpr long long kStateMiddlePixel = 2;  // each pixel from the middle of the state
constexpr int kStateStep = 3;               // the grid a state's name is tried on
// Names like a little room between them, so that two never run together into one.
constexpr int kLabelSpacing = 4;
constexpr long long kCrowdedPixel = 20;
// A label keeps its cheapest places; the search never needs more than these.
constexpr std::size_t kPlacesKept = 3000;

struct Candidate {
  int Form;
  TRect Box;
  long long Cost;  // everything but other labels
};

// How far the box lies from a point: to the side (x) and above or below (y).
struct Gap {
  float X;
  float Y;
  float Distance() const { return std::hypot(X, Y); }
};

Gap GapFrom(PointF p, const TRect& box) {
  return {std::max({box.Left - p.X, p.X - box.Right, 0.0f}),
          std::max({box.Top - p.Y, p.Y - box.Bottom, 0.0f})};
}

// Ink of the kind on the straight way from the mark to the nearest point of its label.
int InkBetween(const LabelGround& ground, Ink ink, PointF mark, const TRect& box) {
  const float tx = std::clamp(mark.X, static_cast<float>(box.Left), static_cast<float>(box.Right));
  const float ty = std::clamp(mark.Y, static_cast<float>(box.Top), static_cast<float>(box.Bottom));
  const int steps = static_cast<int>(std::ceil(std::hypot(tx - mark.X, ty - mark.Y)));
  int count = 0;
  for (int s = 1; s <= steps; ++s) {
    const float t = static_cast<float>(s) / steps;
    count += ground.InkAt(ink, static_cast<int>(mark.X + (tx - mark.X) * t),
                          static_cast<int>(mark.Y + (ty - mark.Y) * t));
  }
  return count;
}

long long InkCost(const LabelGround& ground, const TRect& box) {
  return (ground.Count(Ink::Railway, box) + ground.Count(Ink::CityMark, box)) * kCoveredPixel +
         ground.Count(Ink::River, box) * kRiverPixel +
         ground.Count(Ink::Border, box) * kBorderPixel;
}

// A city's name sits snug beside its mark, level with it, on the mark's side of any river,
// and nearer its own mark than any other.
long long CityPlaceCost(const LabelGround& ground, const LabelRequest& city,
                        const std::vector<PointF>& neighbours, const TRect& box) {
  const PointF mark = city.Anchor;
  const Gap gap = GapFrom(mark, box);
  const float distance = gap.Distance();
  // Every pixel farther costs more than the one before: a smaller name beside its mark reads
  // better than a full-sized one that drifts off among other marks.
  const float beyond = std::max(0.0f, distance - kSnugGap);
  long long cost = std::lround(kDistancePixel * beyond + beyond * beyond / 2);
  for (const PointF& other : neighbours) {
    const float closer = distance + kClearlyNearer - GapFrom(other, box).Distance();
    if (closer > 0) cost += std::lround(closer * kAmbiguousPixel);
  }
  if (gap.X > 0) {
    cost += kMisalignedPixel * std::lround(std::abs((box.Top + box.Bottom) / 2.0f - mark.Y));
    if (box.Right <= mark.X) cost += kLeftOfMark;
  } else {
    cost += kAboveOrBelow + std::lround(std::abs((box.Left + box.Right) / 2.0f - mark.X));
  }
  cost += (InkBetween(ground, Ink::River, mark, box) + InkBetween(ground, Ink::Border, mark, box)) *
          kCrossingPixel;
  cost += (ground.Land(box) - ground.StateLand(city.State, box)) * kDistancePixel /
          kForeignLandPerPrice;
  return cost + InkCost(ground, box);
}

// A state's name lies inside the state, as near its middle as the lines allow.
long long StatePlaceCost(const LabelGround& ground, const LabelRequest& state, const TRect& box) {
  const PointF middle = ground.StateMiddle(state.State);
  const float dx = (box.Left + box.Right) / 2.0f - middle.X;
  const float dy = (box.Top + box.Bottom) / 2.0f - middle.Y;
  const int own = ground.StateLand(state.State, box);
  const int land = ground.Land(box);
  return (land - own) * kOutsideStatePixel + (Area(box) - land) * kStateWaterPixel +
         std::lround(std::hypot(dx, dy)) * kStateMiddlePixel + InkCost(ground, box);
}

// The marks of the other cities near enough to be taken for a city's own.
std::vector<PointF> NeighbourMarks(const std::vector<LabelRequest>& requests,
                                   const LabelRequest& city) {
  std::vector<PointF> marks;
  if (city.Kind != LabelKind::City) return marks;
  for (const LabelRequest& other : requests) {
    const float dx = other.Anchor.X - city.Anchor.X, dy = other.Anchor.Y - city.Anchor.Y;
    if (other.Kind == LabelKind::City && (dx != 0 || dy != 0) &&
        std::hypot(dx, dy) < kNeighbourReach) {
      marks.push_back(other.Anchor);
    }
  }
  return marks;
}

std::vector<Candidate> Candidates(const LabelGround& ground,
                                  const std::vector<LabelRequest>& requests,
                                  const LabelRequest& request) {
  const std::vector<PointF> neighbours = NeighbourMarks(requests, request);
  std::vector<Candidate> out;
  const TRect picture = ground.Picture();
  for (int f = 0; f < static_cast<int>(request.Forms.size()); ++f) {
    const LabelForm& form = request.Forms[f];
    auto at = [&](int left, int top) {
      return TRect{left, top, left + form.Width, top + form.Height};
    };
    auto consider = [&](const TRect& box, auto cost) {
      if (Encloses(picture, box)) out.push_back({f, box, cost(box) + form.Penalty});
    };
    switch (request.Kind) {
      case LabelKind::Fixed:
        consider(at(static_cast<int>(request.Anchor.X), static_cast<int>(request.Anchor.Y)),
                 [&](const TRect& box) { return InkCost(ground, box); });
        break;
      case LabelKind::City: {
        const int x = static_cast<int>(std::lround(request.Anchor.X));
        const int y = static_cast<int>(std::lround(request.Anchor.Y));
        for (int top = y - form.Height - kFarthestGap; top <= y + kFarthestGap; ++top) {
          for (int left = x - form.Width - kFarthestGap; left <= x + kFarthestGap; ++left) {
            const TRect box = at(left, top);
            const float reach = GapFrom(request.Anchor, box).Distance();
            if (reach < kSnugGap - 1 || reach > kFarthestGap) continue;
            consider(box,
                     [&](const TRect& b) { return CityPlaceCost(ground, request, neighbours, b); });
          }
        }
        break;
      }
      case LabelKind::State: {
        if (!ground.HasState(request.State)) break;
        const TRect land = ground.StateBounds(request.State);
        for (int top = land.Top; top + form.Height <= land.Bottom; top += kStateStep) {
          for (int left = land.Left; left + form.Width <= land.Right; left += kStateStep) {
            consider(at(left, top),
                     [&](const TRect& b) { return StatePlaceCost(ground, request, b); });
          }
        }
        break;
      }
    }
  }
  std::ranges::stable_sort(out, {}, &Candidate::Cost);
  if (out.size() > kPlacesKept) out.resize(kPlacesKept);
  return out;
}

// Hard labels first: the fewer places a label has clear of railways, marks and other states'
// land, the earlier it chooses. Fixed labels go down before all.
std::vector<std::size_t> PlacingOrder(const std::vector<LabelRequest>& requests,
                                      const std::vector<std::vector<Candidate>>& candidates) {
  std::vector<long long> clearPlaces(requests.size());
  for (std::size_t i = 0; i < requests.size(); ++i) {
    clearPlaces[i] = std::ranges::count_if(
        candidates[i], [](const Candidate& c) { return c.Cost < kOutsideStatePixel; });
  }
  std::vector<std::size_t> order(requests.size());
  std::iota(order.begin(), order.end(), 0);
  std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
    const bool fixedA = requests[a].Kind == LabelKind::Fixed;
    const bool fixedB = requests[b].Kind == LabelKind::Fixed;
    if (fixedA != fixedB) return fixedA;
    return clearPlaces[a] < clearPlaces[b];
  });
  return order;
}

// The labels as they lie, each moved in turn to where it costs least.
class Layout {
 public:
  Layout(const std::vector<LabelRequest>& requests, std::vector<std::vector<Candidate>> candidates)
      : requests_(requests),
        candidates_(std::move(candidates)),
        placed_(requests.size()),
        present_(requests.size(), false),
        own_(requests.size()) {}

  // The cheapest place given the labels already down. The candidates come cheapest first,
  // so the search stops at the first one no cheaper than the best found.
  void Place(std::size_t i) {
    LabelPlace best{0, {}, -1};
    for (const Candidate& c : candidates_[i]) {
      if (best.Cost >= 0 && c.Cost >= best.Cost) break;
      const long long cost = c.Cost + LabelsCost(c.Box, i);
      if (best.Cost < 0 || cost < best.Cost) {
        best = {c.Form, c.Box, cost};
        own_[i] = c.Cost;
      }
    }
    placed_[i] = best;
    present_[i] = best.Cost >= 0;
  }

  bool Movable(std::size_t i) const { return requests_[i].Kind != LabelKind::Fixed && present_[i]; }

  // Moves each label to its cheapest place among the others until none moves: each move
  // lowers that label's cost, and the current place is always among those weighed.
  void Settle(const std::vector<std::size_t>& order) {
    constexpr int kPasses = 6;
    for (int pass = 0; pass < kPasses; ++pass) {
      bool moved = false;
      for (std::size_t i : order) {
        if (!Movable(i)) continue;
        const long long before = Cost(i);
        Place(i);
        moved = moved || Cost(i) < before;
      }
      if (!moved) return;
    }
  }

  std::vector<LabelPlace> Result() {
    for (std::size_t i = 0; i < placed_.size(); ++i) {
      if (present_[i]) placed_[i].Cost = Cost(i);
    }
    return placed_;
  }

 private:
  // Covering another label is barred; coming close to it costs a little, so that two names
  // never run together into one.
  long long LabelsCost(const TRect& box, std::size_t self) const {
    const TRect near = TRect(box).Inflate(kLabelSpacing, kLabelSpacing);
    long long cost = 0;
    for (std::size_t i = 0; i < placed_.size(); ++i) {
      if (i == self || !present_[i] || !Overlap(placed_[i].Box, near)) continue;
      cost += Area(box.Intersect(placed_[i].Box)) * kCoveredPixel +
              Area(near.Intersect(placed_[i].Box)) * kCrowdedPixel;
    }
    return cost;
  }
  long long Cost(std::size_t i) const { return own_[i] + LabelsCost(placed_[i].Box, i); }

  const std::vector<LabelRequest>& requests_;
  std::vector<std::vector<Candidate>> candidates_;
  std::vector<LabelPlace> placed_;
  std::vector<bool> present_;
  std::vector<long long> own_;  // what each place costs apart from other labels
};

}  // namespace

std::vector<LabelPlace> PlaceLabels(const LabelGround& ground,
                                    const std::vector<LabelRequest>& requests) {
  std::vector<std::vector<Candidate>> candidates;
  for (const auto& request : requests) candidates.push_back(Candidates(ground, requests, request));
  const std::vector<std::size_t> order = PlacingOrder(requests, candidates);
  Layout layout(requests, std::move(candidates));
  for (std::size_t i : order) layout.Place(i);
  // A label placed early may have taken the only clear place of a later one.
  layout.Settle(order);
  return layout.Result();
}
