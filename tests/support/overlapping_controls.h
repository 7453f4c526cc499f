#pragma once
// The controls of a dialog that a player would see drawn over one another:
// two visible controls of the same parent whose rectangles meet. Pictures are
// left out, since they are backgrounds meant to lie under everything.
#include <string>
#include <vector>

#include "platform/components/win_control.h"
#include "platform/controls/image.h"

inline bool Meet(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

inline std::vector<std::string> OverlappingControls(const TWinControl& parent) {
  std::vector<const TControl*> shown;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    const TControl* control = parent.Controls(i);
    if (control->Visible() && dynamic_cast<const TImage*>(control) == nullptr)
      shown.push_back(control);
  }
  std::vector<std::string> found;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      if (Meet(shown[i]->BoundsRect(), shown[j]->BoundsRect()))
        found.push_back(shown[i]->Name() + " and " + shown[j]->Name());
    if (const auto* inner = dynamic_cast<const TWinControl*>(shown[i])) {
      const std::vector<std::string> within = OverlappingControls(*inner);
      found.insert(found.end(), within.begin(), within.end());
    }
  }
  return found;
}
