#include "platform/dialogs/file_mask.h"

#include "platform/text/letter_case.h"

namespace {

// Greedy matching with one remembered star: linear, and never recursive, so
// a long name cannot make it slow.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  size_t n = 0;
  size_t p = 0;
  size_t star = std::string_view::npos;
  size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || SameLetterIgnoringCase(pattern[p], name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  size_t start = 0;
  for (;;) {
    const size_t end = mask.find(';', start);
    if (MatchesPattern(name, mask.substr(start, end - start))) return true;
    if (end == std::string_view::npos) return false;
    start = end + 1;
  }
}

std::vector<TFileFilter> ParseFilter(const std::string& filter) {
  std::vector<TFileFilter> filters;
  size_t start = 0;
  while (start < filter.size()) {
    const size_t bar = filter.find('|', start);
    if (bar == std::string::npos) break;
    const size_t end = filter.find('|', bar + 1);
    filters.push_back({filter.substr(start, bar - start),
                       filter.substr(bar + 1, end == std::string::npos ? end : end - bar - 1)});
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return filters;
}
