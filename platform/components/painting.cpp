#include "platform/components/painting.h"

#include <algorithm>

#include "platform/components/win_control.h"
#include "platform/graphics/bitmap.h"

namespace {

uint64_t g_generation = 0;
void (*g_presenter)() = nullptr;

bool IsWindowed(const TControl& control) {
  return dynamic_cast<const TWinControl*>(&control) != nullptr;
}

void PaintTree(TControl& control, TBitmap& buffer, TPoint origin, const TRect& clip) {
  const TRect area =
      TRect::Bounds(origin.X, origin.Y, control.Width(), control.Height()).Intersect(clip);
  if (area.IsEmpty()) return;
  control.PaintAt(buffer, origin, area);
  auto* container = dynamic_cast<TWinControl*>(&control);
  if (!container) return;
  for (bool windowed : {false, true}) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl& child = *container->Controls(i);
      if (!child.Visible() || IsWindowed(child) != windowed) continue;
      PaintTree(child, buffer, origin + TPoint{child.Left(), child.Top()}, area);
    }
  }
}

}  // namespace

TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

void InvalidateRootArea(TWinControl& root, const TRect& area) {
  const TRect inside = area.Intersect({0, 0, root.Width(), root.Height()});
  root.SetInvalidArea(UnionRect(root.InvalidArea(), inside));
}

void PaintInvalidArea(TWinControl& root) {
  TBitmap* buffer = root.BackBuffer();
  const TRect area = root.InvalidArea();
  if (!buffer || area.IsEmpty()) return;
  root.SetInvalidArea({});
  PaintTree(root, *buffer, {0, 0}, area);
  MarkBufferDrawn();
}

TRect VisibleRectIn(const TControl& control, const TWinControl& root) {
  TRect visible{0, 0, root.Width(), root.Height()};
  for (const TControl* c = &control; c && c != &root; c = c->Parent()) {
    const TPoint at = c->ClientOrigin() - root.ClientOrigin();
    visible = visible.Intersect(TRect::Bounds(at.X, at.Y, c->Width(), c->Height()));
  }
  return visible;
}

void MarkBufferDrawn() {
  ++g_generation;
}

uint64_t PaintGeneration() {
  return g_generation;
}

void SetPresenter(void (*present)()) {
  g_presenter = present;
}

void PresentNow() {
  if (g_presenter) g_presenter();
}
