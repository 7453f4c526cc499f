#include "tools/map/river_checks.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iterator>
#include <limits>
#include <sstream>

namespace {

constexpr int kGreatRiver = 3;  // the width class of the Mississippi, Ohio and Missouri
constexpr float kHexPixels = 28;
// Picture lines are written to a tenth of a pixel; a mouth within this of the river meets it.
constexpr float kMeets = 0.5f;
// Half the drawn width of a great river: a town's mark must sit beyond the water's edge.
constexpr float kClearOfTheWater = 1.25f;

float Distance(PointF a, PointF b) {
  return std::hypot(a.X - b.X, a.Y - b.Y);
}

PointF ClosestOnSegment(PointF p, PointF a, PointF b) {
  const float dx = b.X - a.X;
  const float dy = b.Y - a.Y;
  const float length2 = dx * dx + dy * dy;
  if (length2 == 0) return a;
  const float t = std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2, 0.0f, 1.0f);
  return {a.X + t * dx, a.Y + t * dy};
}

// The point of the great rivers' lines nearest p, leaving out one line (or none).
PointF ClosestOnGreatRivers(const MapArt& art, PointF p, const TaggedLine* except = nullptr) {
  PointF best{std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
  for (const auto& line : art.Rivers) {
    if (&line == except || line.Tags[0] != kGreatRiver) continue;
    for (std::size_t i = 1; i < line.Points.size(); ++i) {
      const PointF q = ClosestOnSegment(p, line.Points[i - 1], line.Points[i]);
      if (Distance(p, q) < Distance(p, best)) best = q;
    }
  }
  return best;
}

bool InHexBox(PointF p, int x, int y) {
  const float left = kHexPixels * (x - 1);
  const float top = kHexPixels * (y - 1) + (x % 2 == 0 ? kHexPixels / 2 : 0);
  return p.X >= left && p.X < left + kHexPixels && p.Y >= top && p.Y < top + kHexPixels;
}

const MapCity* FindCity(const MapArt& art, const std::string& name) {
  auto it = std::ranges::find(art.Cities, name, &MapCity::Name);
  return it == art.Cities.end() ? nullptr : &*it;
}

PointF Towards(Bank side) {
  switch (side) {
    case Bank::North: return {0, -1};
    case Bank::South: return {0, 1};
    case Bank::East: return {1, 0};
    case Bank::West: return {-1, 0};
  }
  return {};
}

const char* Named(Bank side) {
  switch (side) {
    case Bank::North: return "north";
    case Bank::South: return "south";
    case Bank::East: return "east";
    case Bank::West: return "west";
  }
  return "";
}

std::string Hex(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// The tributaries of the Mississippi, each entering it in the hex given.
constexpr RiverMouth kMississippiMouths[] = {
    {"Missouri", 22, 13}, {"Illinois", 21, 13}, {"Ohio", 24, 18},      {"White", 19, 27},
    {"Arkansas", 19, 28}, {"Yazoo", 20, 31},    {"Big Black", 19, 33}, {"Red", 18, 35},
};

// Towns known to stand on one bank of the Ohio or the Mississippi.
constexpr TownBank kRiverTowns[] = {
    {"Madison, Ind.", Bank::North}, {"Cincinnati", Bank::North}, {"Evansville", Bank::North},
    {"Louisville", Bank::South},    {"Wheeling", Bank::East},    {"St. Louis", Bank::West},
    {"Columbus, Ky.", Bank::East},  {"Memphis", Bank::East},     {"Helena", Bank::West},
    {"Vicksburg", Bank::East},      {"Baton Rouge", Bank::East},
};

}  // namespace

std::vector<std::string> CheckMouths(const MapArt& art, std::span<const RiverMouth> mouths) {
  std::vector<std::string> faults;
  for (const auto& mouth : mouths) {
    bool found = false;
    for (const auto& line : art.Rivers) {
      if (line.Points.empty()) continue;
      for (const PointF end : {line.Points.front(), line.Points.back()}) {
        if (!InHexBox(end, mouth.X, mouth.Y)) continue;
        found = true;
        const float gap = Distance(end, ClosestOnGreatRivers(art, end, &line));
        if (gap > kMeets) {
          std::ostringstream fault;
          fault << "a river in the mouth hex " << Hex(mouth.X, mouth.Y) << " of the "
                << mouth.River << " stops " << std::fixed << std::setprecision(1) << gap
                << " pixels short of the great river";
          faults.push_back(fault.str());
        }
      }
    }
    if (!found) {
      faults.push_back(std::string("no river ends in the mouth hex ") + Hex(mouth.X, mouth.Y) +
                       " of the " + mouth.River);
    }
  }
  return faults;
}

std::vector<std::string> CheckBanks(const MapArt& art, std::span<const TownBank> banks) {
  std::vector<std::string> faults;
  for (const auto& town : banks) {
    const MapCity* city = FindCity(art, town.City);
    if (!city) {
      faults.push_back(std::string("no city ") + town.City);
      continue;
    }
    const PointF mark{static_cast<float>(city->MarkX), static_cast<float>(city->MarkY)};
    const PointF water = ClosestOnGreatRivers(art, mark);
    const PointF side = Towards(town.Side);
    if ((mark.X - water.X) * side.X + (mark.Y - water.Y) * side.Y < kClearOfTheWater) {
      faults.push_back(std::string(town.City) + " is not on the " + Named(town.Side) +
                       " bank of its river");
    }
  }
  return faults;
}

std::vector<std::string> CheckRiverLines(const MapArt& art) {
  auto faults = CheckMouths(art, kMississippiMouths);
  std::ranges::move(CheckBanks(art, kRiverTowns), std::back_inserter(faults));
  return faults;
}
