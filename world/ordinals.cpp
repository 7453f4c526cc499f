#include "world/ordinals.h"

std::string OrdinalWord(int number) {
  const char* suffix = "th";
  // 11th, 12th and 13th (and 111th and the like) keep "th".
  const int lastTwo = number % 100;
  if (lastTwo < 11 || lastTwo > 13) {
    switch (number % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(number) + suffix + " ";
}
