#pragma once
// The application's hints. When the pointer rests HintPause milliseconds on
// a control that shows hints, the control is asked (CM_HINTSHOW) what to
// show and where; the hint then stays HintHidePause milliseconds, or until
// the pointer moves to another control or a button or key is pressed.
#include <memory>

class TControl;
class THintWindow;
class TTimer;

class THintPilot {
 public:
  THintPilot();
  ~THintPilot();

  // After every move of the pointer: a new control under it starts the wait.
  void PointerMoved();
  // Hides the hint; the control under the pointer gets no new one until the
  // pointer has been elsewhere.
  void Cancel();
  // Forgets the control as well, as when the clock is replaced.
  void Reset();

  THintWindow* Window() const { return window_.get(); }

 private:
  void Wait(int ms);
  void Tick();
  bool Show(TControl& control);

  // Only compared with the control under the pointer, never reached through:
  // it may have gone since.
  const TControl* control_ = nullptr;
  std::unique_ptr<TTimer> timer_;
  std::unique_ptr<THintWindow> window_;
};
