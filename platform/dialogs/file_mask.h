#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when `name` fits `mask`, "*" standing for any run of characters and
// "?" for any one, letters compared without regard to case: "*.gmr" fits
// "SAVE1.GMR". A mask may list several patterns separated by ";".
bool MatchesMask(std::string_view name, std::string_view mask);

// One entry of a dialog's filter, written "description|mask|description|mask".
struct TFileFilter {
  std::string description;
  std::string mask;
};
std::vector<TFileFilter> ParseFilter(const std::string& filter);
