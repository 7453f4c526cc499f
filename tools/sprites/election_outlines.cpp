#include "tools/sprites/election_outlines.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

OutlineKind KindNamed(const std::string& word) {
  if (word == "state") return OutlineKind::kState;
  if (word == "foreign") return OutlineKind::kForeign;
  if (word == "lake") return OutlineKind::kLake;
  throw std::runtime_error("election outlines: unknown kind " + word);
}

ElectionOutline ParseOutline(const std::string& line) {
  std::istringstream words(line);
  std::string kind;
  words >> kind;
  ElectionOutline outline{KindNamed(kind), 0, {}};
  if (outline.kind == OutlineKind::kState && !(words >> outline.state))
    throw std::runtime_error("election outlines: a state without its number");
  for (std::string point; words >> point;) {
    std::istringstream coords(point);
    OutlinePoint p;
    char comma = 0;
    if (!(coords >> p.X >> comma >> p.Y) || comma != ',')
      throw std::runtime_error("election outlines: bad point " + point);
    outline.ring.push_back(p);
  }
  return outline;
}

std::vector<ElectionOutline> ParseOutlines() {
  std::vector<ElectionOutline> outlines;
  std::istringstream text{std::string(ElectionOutlineText())};
  for (std::string line; std::getline(text, line);) {
    if (!line.empty()) outlines.push_back(ParseOutline(line));
  }
  return outlines;
}

template <class Chosen>
bool InsideRingsOf(Chosen chosen, float x, float y) {
  std::vector<float> crossings;
  for (const ElectionOutline& outline : ElectionOutlines()) {
    if (chosen(outline)) AppendCrossings(outline.ring, y, crossings);
  }
  return std::count_if(crossings.begin(), crossings.end(), [x](float c) { return x < c; }) % 2 == 1;
}

}  // namespace

void AppendCrossings(const OutlineRing& ring, float y, std::vector<float>& xs) {
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const OutlinePoint a = ring[i];
    const OutlinePoint b = ring[j];
    if ((a.Y > y) != (b.Y > y)) xs.push_back(a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y));
  }
}

const std::vector<ElectionOutline>& ElectionOutlines() {
  static const std::vector<ElectionOutline> outlines = ParseOutlines();
  return outlines;
}

bool InsideStateOutline(int state, float x, float y) {
  return InsideRingsOf(
      [state](const ElectionOutline& o) { return o.kind == OutlineKind::kState && o.state == state; },
      x, y);
}

bool InsideLake(float x, float y) {
  return InsideRingsOf([](const ElectionOutline& o) { return o.kind == OutlineKind::kLake; }, x, y);
}
