#pragma once
// Whether a player reads a heading over the column it names: some shown
// label above the column draws the heading with its middle (or its start)
// within the column's width, however the label's caption is spaced.
#include <optional>
#include <string>

#include "platform/controls/label.h"
#include "platform/forms/form.h"
#include "platform/graphics/canvas.h"

// Where a left-aligned label starts drawing `heading` within its caption;
// nothing when the caption does not hold it.
inline std::optional<int> HeadingStart(const TLabel& label, const std::string& heading) {
  const std::size_t at = label.Caption().find(heading);
  if (at == std::string::npos) return std::nullopt;
  TCanvas measure;
  measure.Font.Assign(label.Font());
  return label.Left() + measure.TextWidth(label.Caption().substr(0, at));
}

// The middle of `heading` where a left-aligned label draws it within its caption.
inline std::optional<int> HeadingMiddle(const TLabel& label, const std::string& heading) {
  const std::optional<int> start = HeadingStart(label, heading);
  if (!start) return std::nullopt;
  TCanvas measure;
  measure.Font.Assign(label.Font());
  return *start + measure.TextWidth(heading) / 2;
}

// Whether a shown label of the form above `cell` draws `heading` over the
// cell's column: its middle, or where `at` says.
using HeadingPoint = std::optional<int> (*)(const TLabel&, const std::string&);
inline bool HeadedBy(const TForm& form, const TControl& cell, const std::string& heading,
                     HeadingPoint at = HeadingMiddle) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const auto* label = dynamic_cast<const TLabel*>(form.Components(i));
    if (label == nullptr || !label->Visible() || label->Top() + label->Height() > cell.Top())
      continue;
    const std::optional<int> point = at(*label, heading);
    if (point && cell.Left() <= *point && *point < cell.Left() + cell.Width()) return true;
  }
  return false;
}
