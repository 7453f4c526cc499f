#pragma once
// The pictures behind the dialogs: aged paper with a ruled border and a faint
// emblem of the dialog's subject, each at the size of its form.
#include <optional>
#include <span>
#include <string_view>

#include "platform/graphics/bitmap.h"
#include "tools/sprites/emblems.h"

enum class PaperTint { kSepia, kSlate, kOlive, kRust };

struct FormBackdrop {
  std::string_view form;  // the form's class name
  TSize size;             // its client area
  Emblem emblem;
  PaperTint tint;
};

std::span<const FormBackdrop> FormBackdrops();

// The background of a form by class name; nothing for a form without one.
std::optional<TBitmap> FormBackground(std::string_view form);
TBitmap DrawBackdrop(const FormBackdrop& backdrop);
