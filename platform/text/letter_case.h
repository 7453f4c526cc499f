#pragma once
// Names of files, colours, fonts and settings are matched without regard to
// the case of their ASCII letters; these are the one set of such comparisons.
#include <string>
#include <string_view>

char LowerLetter(char c);
std::string LowerCase(std::string_view text);
bool SameLetterIgnoringCase(char a, char b);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
// Alphabetical order, with "a" and "A" alike.
bool LessIgnoringCase(std::string_view a, std::string_view b);
