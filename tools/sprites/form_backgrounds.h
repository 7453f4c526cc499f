#pragma once
// The pictures behind the dialogs: aged paper with a ruled border and a faint
// emblem of the dialog's subject, each at the size of its form.
#include <optional>
#include <span>
#include <string_view>

#include "platform/graphics/bitmap.h"
#include "tools/sprites/emblems.h"

enum class PaperTint { kSepia, kSlate, kOlive, kRust };

// How far the ruled border reaches in from each edge. The notices keep their
// lines and buttons a few pixels from the edge, so theirs is a thin double
// rule; the larger dialogs leave a wider margin for a margin and three rules.
enum class Border { kThin = 3, kWide = 6 };

struct FormBackdrop {
  std::string_view form;  // the form's class name
  TSize size;             // its client area
  Emblem emblem;
  PaperTint tint;
  Border border = Border::kWide;
};

std::span<const FormBackdrop> FormBackdrops();

// The background of a form by class name; nothing for a form without one.
std::optional<TBitmap> FormBackground(std::string_view form);
// The backdrop of a form by class name; null for a form without one.
const FormBackdrop* BackdropOf(std::string_view form);
// The paper inside a backdrop's ruled border, where the form's text and buttons belong.
TRect Paper(const FormBackdrop& backdrop);
// Where the emblem is printed on a backdrop of that size; a form keeps its
// figures off it.
TRect EmblemBox(TSize size);
TBitmap DrawBackdrop(const FormBackdrop& backdrop);
