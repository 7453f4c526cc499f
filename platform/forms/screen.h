#pragma once

#include <cstdint>
#include <vector>

#include "platform/components/cursor.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/types.h"

class TBackend;
class TForm;

// The game's one window: an 800 x 600 frame on which every shown form is a
// layer, the main window at the bottom and each dialog above the form that
// opened it.
class TScreen {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  TScreen();

  int Width() const { return kWidth; }
  int Height() const { return kHeight; }

  // A cursor set here overrides every control's own until it is set back to
  // crDefault (the hourglass while a turn runs).
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  // The shape the pointer shows now.
  TCursor EffectiveCursor() const;

  // The form that has the keyboard, or nullptr.
  TForm* ActiveForm() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_[index]; }

  // The form that takes the mouse at `point`: the topmost modal form while
  // one is open, else the topmost form under the point.
  TForm* InputForm(TPoint point) const;

  // The composed frame as last presented.
  const TBitmap& Frame() const { return frame_; }

  // Used by the forms and the message loop.
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void PaintAndPresent(TBackend& backend);
  void UpdateCursor(TBackend& backend);

 private:
  void Compose();

  std::vector<TForm*> forms_;  // bottom to top
  TCursor cursor_ = crDefault;
  TCursor shown_cursor_ = crDefault;
  TBitmap frame_;
  uint64_t presented_generation_ = 0;
  bool layout_changed_ = true;
};

extern TScreen Screen;
