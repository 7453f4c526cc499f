#pragma once
// Colour names as captions and settings write them ("clRed", "clBtnFace").
#include <optional>
#include <string_view>

#include "platform/graphics/types.h"

// The colour a name stands for, ignoring case; nothing for an unknown name.
std::optional<TColor> IdentToColor(std::string_view name);
