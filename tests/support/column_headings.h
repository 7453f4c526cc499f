#pragma once
// Whether a player reads a heading over the column it names: some shown
// label above the column draws the heading with its middle within the
// column's width, however the label's caption is spaced.
#include <optional>
#include <string>

#include "platform/controls/label.h"
#include "platform/forms/form.h"
#include "platform/graphics/canvas.h"

// The middle of `heading` where a left-aligned label draws it within its
// caption; nothing when the caption does not hold it.
inline std::optional<int> HeadingMiddle(const TLabel& label, const std::string& heading) {
  const std::size_t at = label.Caption().find(heading);
  if (at == std::string::npos) return std::nullopt;
  TCanvas measure;
  measure.Font.Assign(label.Font());
  return label.Left() + measure.TextWidth(label.Caption().substr(0, at)) +
         measure.TextWidth(heading) / 2;
}

// Whether a shown label of the form above `cell` draws `heading` over the cell's column.
inline bool HeadedBy(const TForm& form, const TControl& cell, const std::string& heading) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const auto* label = dynamic_cast<const TLabel*>(form.Components(i));
    if (label == nullptr || !label->Visible() || label->Top() + label->Height() > cell.Top())
      continue;
    const std::optional<int> middle = HeadingMiddle(*label, heading);
    if (middle && cell.Left() <= *middle && *middle < cell.Left() + cell.Width()) return true;
  }
  return false;
}
