#include "platform/text/letter_case.h"

#include <algorithm>
#include <cctype>

char LowerLetter(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string LowerCase(std::string_view text) {
  std::string lower(text.size(), ' ');
  std::transform(text.begin(), text.end(), lower.begin(), LowerLetter);
  return lower;
}

bool SameLetterIgnoringCase(char a, char b) {
  return LowerLetter(a) == LowerLetter(b);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameLetterIgnoringCase);
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(LowerLetter(x)) < static_cast<unsigned char>(LowerLetter(y));
  });
}
