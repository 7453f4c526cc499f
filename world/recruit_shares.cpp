#include "world/recruit_shares.h"

#include <algorithm>
#include <charconv>

namespace {
constexpr int kWhole = 100;
constexpr int kMostBounty = 20;
}  // namespace

int ShareTotal(const TNationRec& nation) {
  int total = 0;
  for (int share = 1; share <= 4; ++share) total += nation.ProductionShare[share];
  return total;
}

bool RaiseShare(TNationRec& nation, int share) {
  if (nation.ProductionShare[share] >= kWhole || ShareTotal(nation) >= kWhole) return false;
  ++nation.ProductionShare[share];
  return true;
}

bool LowerShare(TNationRec& nation, int share) {
  if (nation.ProductionShare[share] == 0) return false;
  --nation.ProductionShare[share];
  return true;
}

std::optional<int> TypedBounty(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error == std::errc::result_out_of_range) return value < 0 ? 0 : kMostBounty;
  if (error != std::errc() || rest != end) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(value, 0, kMostBounty));
}
