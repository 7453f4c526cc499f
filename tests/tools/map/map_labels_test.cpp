// The names on the committed map, measured against the lines as the painter draws them: no
// name covers another, a city's mark or a railway; a city's name stays beside its mark and a
// state's name inside its state.
#include "tools/map/map_labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "tests/tools/map/map_data_fixture.h"
#include "tools/map/map_picture.h"

namespace {

const std::vector<MapLabel>& Labels() {
  static const std::vector<MapLabel> labels = LayOutMapLabels(TheCommittedArt());
  return labels;
}

float PointToBox(PointF p, const TRect& box) {
  const float dx = std::max({box.Left - p.X, p.X - box.Right, 0.0f});
  const float dy = std::max({box.Top - p.Y, p.Y - box.Bottom, 0.0f});
  return std::hypot(dx, dy);
}

float PointToSegment(PointF p, PointF a, PointF b) {
  const float dx = b.X - a.X, dy = b.Y - a.Y;
  const float length2 = dx * dx + dy * dy;
  const float t =
      length2 > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2, 0.f, 1.f) : 0.f;
  return std::hypot(p.X - a.X - t * dx, p.Y - a.Y - t * dy);
}

bool SegmentsCross(PointF a, PointF b, PointF c, PointF d) {
  auto side = [](PointF p, PointF q, PointF r) {
    return (q.X - p.X) * (r.Y - p.Y) - (q.Y - p.Y) * (r.X - p.X);
  };
  return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

// How near a drawn line comes to the box: 0 where it runs inside or across it.
float LineToBox(const Polyline& line, const TRect& box) {
  const PointF corners[] = {{static_cast<float>(box.Left), static_cast<float>(box.Top)},
                            {static_cast<float>(box.Right), static_cast<float>(box.Top)},
                            {static_cast<float>(box.Right), static_cast<float>(box.Bottom)},
                            {static_cast<float>(box.Left), static_cast<float>(box.Bottom)}};
  float nearest = 1e9f;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const PointF a = line[i];
    const PointF b = line[i + 1 < line.size() ? i + 1 : i];
    nearest = std::min({nearest, PointToBox(a, box), PointToBox(b, box)});
    for (int c = 0; c < 4; ++c) {
      if (SegmentsCross(a, b, corners[c], corners[(c + 1) % 4])) return 0;
      nearest = std::min(nearest, PointToSegment(corners[c], a, b));
    }
  }
  return nearest;
}

std::string Describe(const MapLabel& label) {
  return label.Set.Text + " at " + std::to_string(label.Box.Left) + "," +
         std::to_string(label.Box.Top);
}

// Every city and named state is lettered; a city's name sits beside its mark, and no name
// covers another, a city's mark or a railway.
TEST(MapLabels, NamesAreClearOfEachOtherCityMarksAndRailways) {
  const auto& labels = Labels();
  EXPECT_EQ(std::ranges::count(labels, LabelKind::City, &MapLabel::Kind),
            static_cast<long>(TheCommittedArt().Cities.size()));
  EXPECT_GE(std::ranges::count(labels, LabelKind::State, &MapLabel::Kind), 25);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (labels[i].Kind == LabelKind::City) {
      EXPECT_LE(PointToBox(labels[i].Anchor, labels[i].Box), 33) << Describe(labels[i]);
    }
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      EXPECT_FALSE(Overlap(labels[i].Box, labels[j].Box))
          << Describe(labels[i]) << " covers " << Describe(labels[j]);
    }
    for (const MapCity& city : TheCommittedArt().Cities) {
      const PointF mark{static_cast<float>(city.MarkX), static_cast<float>(city.MarkY)};
      EXPECT_GT(PointToBox(mark, labels[i].Box), kCityMarkRadius)
          << Describe(labels[i]) << " covers the mark of " << city.Name;
    }
    for (const TaggedLine& railway : TheCommittedArt().Railways) {
      EXPECT_GT(LineToBox(RailwayCourse(railway), labels[i].Box), kRailwayReach)
          << Describe(labels[i]) << " covers a railway";
    }
  }
}

// Rivers and borders may pass under a name where the map is crowded, but seldom do.
TEST(MapLabels, FewLabelsCrossARiverOrABorder) {
  int clearOfRivers = 0;
  int clearOfBorders = 0;
  for (const MapLabel& label : Labels()) {
    const bool clearOfRiver = std::ranges::all_of(TheCommittedArt().Rivers, [&](const TaggedLine& river) {
      return LineToBox(RiverCourse(river), label.Box) > RiverWidth(river) / 2;
    });
    const bool clearOfBorder = std::ranges::all_of(TheCommittedArt().Borders, [&](const TaggedLine& border) {
      return LineToBox(border.Points, label.Box) > kBorderWidth / 2;
    });
    clearOfRivers += clearOfRiver;
    clearOfBorders += clearOfBorder;
  }
  const int all = static_cast<int>(Labels().size());
  EXPECT_GE(clearOfRivers * 100, all * 85);
  EXPECT_GE(clearOfBorders * 100, all * 90);
}

bool InsideRings(PointF p, const std::vector<Polyline>& rings) {
  bool inside = false;
  for (const Polyline& ring : rings) {
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const PointF a = ring[i], b = ring[j];
      if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < a.X + (p.Y - a.Y) * (b.X - a.X) / (b.Y - a.Y)) {
        inside = !inside;
      }
    }
  }
  return inside;
}

// The state whose land lies under the point; none over water.
std::optional<int> StateAt(PointF p) {
  std::map<int, int> stateOf;
  for (const auto& line : TheCommittedArt().Land) stateOf[line.Tags[0]] = line.Tags[1];
  std::optional<int> state;
  for (const auto& [id, rings] : RingsByFeature(TheCommittedArt().Land)) {
    if (InsideRings(p, rings)) state = stateOf[id];
  }
  for (const auto& [id, rings] : RingsByFeature(TheCommittedArt().Lakes)) {
    if (InsideRings(p, rings)) state.reset();
  }
  return state;
}

PointF Middle(const TRect& b) {
  return {(b.Left + b.Right) / 2.0f, (b.Top + b.Bottom) / 2.0f};
}

// Each state's name lies on its own land, reaching at most over its own bays and rivers.
TEST(MapLabels, StateNamesLieInsideTheirStates) {
  for (const MapLabel& label : Labels()) {
    if (label.Kind != LabelKind::State) continue;
    const TRect& b = label.Box;
    EXPECT_EQ(StateAt(Middle(b)), label.State) << Describe(label);
    for (const PointF corner :
         {PointF{1.0f * b.Left, 1.0f * b.Top}, PointF{1.0f * b.Right, 1.0f * b.Top},
          PointF{1.0f * b.Left, 1.0f * b.Bottom}, PointF{1.0f * b.Right, 1.0f * b.Bottom}}) {
      const std::optional<int> state = StateAt(corner);
      EXPECT_TRUE(!state || *state == label.State)
          << Describe(label) << " reaches over state " << *state;
    }
  }
}

// A river city's name stays on its own bank: Helena's on the Arkansas side of the Mississippi,
// Louisville's on the Kentucky side of the Ohio.
TEST(MapLabels, RiverCityNamesStayOnTheirOwnBank) {
  const struct {
    const char* City;
    int State;
  } kCases[] = {{"Helena", 24},      {"Memphis", 21},   {"Vicksburg", 25},
                {"Baton Rouge", 26}, {"Evansville", 8}, {"Louisville", 20}};
  for (const auto& c : kCases) {
    const auto label =
        std::ranges::find_if(Labels(), [&](const MapLabel& l) { return l.Set.Text == c.City; });
    ASSERT_NE(label, Labels().end()) << c.City;
    EXPECT_EQ(StateAt(Middle(label->Box)), c.State) << Describe(*label);
  }
}

}  // namespace
