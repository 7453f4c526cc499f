#pragma once

#include "platform/components/control.h"

// Whether a button shows pushed in: while the left mouse button, pressed on
// it, is held over it, or while Space is held on it. A release ends the
// hold and tells whether it completes a press; losing the mouse, the focus
// or being disabled ends every hold without a press.
class TPressState {
 public:
  explicit TPressState(TControl& control) : control_(control) {}

  bool Pushed() const { return pushed_; }

  void MouseDown() {
    mouse_held_ = true;
    Show(true);
  }
  void MouseMove(bool inside) {
    if (mouse_held_) Show(inside);
  }
  // True when the release over the control ends a press begun on it.
  bool MouseUp(bool inside) {
    const bool press = mouse_held_ && inside;
    mouse_held_ = false;
    Show(space_held_);
    return press;
  }
  void SpaceDown() {
    space_held_ = true;
    Show(true);
  }
  bool SpaceUp() {
    const bool press = space_held_;
    space_held_ = false;
    Show(mouse_held_);
    return press;
  }
  void Cancel() {
    mouse_held_ = false;
    space_held_ = false;
    Show(false);
  }

 private:
  void Show(bool pushed) {
    if (pushed == pushed_) return;
    pushed_ = pushed;
    control_.Invalidate();
  }

  TControl& control_;
  bool pushed_ = false;
  bool mouse_held_ = false;
  bool space_held_ = false;
};
