#pragma once
// The controls of a dialog that a player would see drawn over one another:
// two visible controls of the same parent whose rectangles meet, or a control
// of a form lying on the ruled border of the form's picture. Pictures are left
// out, since they are backgrounds meant to lie under everything, and so is a
// bevel drawn round a control it wholly encloses, since it is that control's frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/components/win_control.h"
#include "platform/controls/bevel.h"
#include "platform/controls/image.h"
#include "platform/forms/form.h"
#include "tools/sprites/form_backgrounds.h"

inline bool Meet(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

inline bool Encloses(const TRect& outer, const TRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

inline bool FramesTheOther(const TControl& a, const TControl& b) {
  return dynamic_cast<const TBevel*>(&a) != nullptr && Encloses(a.BoundsRect(), b.BoundsRect());
}

inline std::vector<const TControl*> ShownControls(const TWinControl& parent) {
  std::vector<const TControl*> shown;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    const TControl* control = parent.Controls(i);
    if (control->Visible() && dynamic_cast<const TImage*>(control) == nullptr)
      shown.push_back(control);
  }
  return shown;
}

inline std::vector<std::string> OverlappingControls(const TWinControl& parent) {
  const std::vector<const TControl*> shown = ShownControls(parent);
  std::vector<std::string> found;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      if (Meet(shown[i]->BoundsRect(), shown[j]->BoundsRect()) &&
          !FramesTheOther(*shown[i], *shown[j]) && !FramesTheOther(*shown[j], *shown[i]))
        found.push_back(shown[i]->Name() + " and " + shown[j]->Name());
    if (const auto* inner = dynamic_cast<const TWinControl*>(shown[i])) {
      const std::vector<std::string> within = OverlappingControls(*inner);
      found.insert(found.end(), within.begin(), within.end());
    }
  }
  return found;
}

// The controls of a form lying on its picture's border, and the picture
// itself when it is stretched to a size it was not drawn for.
inline std::vector<std::string> ControlsOnTheBorder(const TForm& form) {
  const FormBackdrop* backdrop = BackdropOf(form.Name());
  if (backdrop == nullptr) return {};
  std::vector<std::string> found;
  if (backdrop->size.cx != form.ClientWidth() || backdrop->size.cy != form.ClientHeight())
    found.push_back("the picture, drawn for another size");
  const TRect paper = Paper(*backdrop);
  for (const TControl* control : ShownControls(form)) {
    const TRect r = control->BoundsRect();
    if (r.Left < paper.Left || r.Top < paper.Top || r.Right > paper.Right || r.Bottom > paper.Bottom)
      found.push_back(control->Name());
  }
  return found;
}

// Whether a control of a form lies on the emblem printed on its picture, where
// a figure would be read against the drawing.
inline bool OnTheEmblem(const TForm& form, const TControl& control) {
  return Meet(control.BoundsRect(), EmblemBox({form.ClientWidth(), form.ClientHeight()}));
}

// What every test that opens a dialog first looks at.
inline void ExpectControlsApart(const TForm& form) {
  EXPECT_EQ(OverlappingControls(form), std::vector<std::string>{}) << form.Name();
  EXPECT_EQ(ControlsOnTheBorder(form), std::vector<std::string>{}) << form.Name();
}
