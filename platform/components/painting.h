#pragma once

#include <cstdint>

#include "platform/graphics/types.h"

class TControl;
class TWinControl;

// Painting a form: each top-level control owns one back buffer. Invalidating
// a control marks its rectangle; painting repaints the marked area, the
// parent first, then its windowless children, then its windowed children,
// each clipped to its own rectangle and its parents'.

void InvalidateRootArea(TWinControl& root, const TRect& area);
void PaintInvalidArea(TWinControl& root);

// The part of a control that its parents leave visible, in root coordinates.
TRect VisibleRectIn(const TControl& control, const TWinControl& root);

// Counts every change to any back buffer, so the presenter knows when the
// frame must be composed again.
void MarkBufferDrawn();
uint64_t PaintGeneration();

// Shows the painted buffers on the screen at once, instead of at the next
// pump; Update uses it so that a form repainting itself during a long
// computation is seen. The screen installs the routine.
void SetPresenter(void (*present)());
void PresentNow();

// The smallest rectangle holding both; an empty one adds nothing.
TRect UnionRect(const TRect& a, const TRect& b);
