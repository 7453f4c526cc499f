#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/forms/backend.h"
#include "platform/graphics/bitmap.h"

class TControl;

// A modal form waited for an answer that nobody scripted.
class EUnansweredModal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The backend of the tests: no window, a clock that moves only when a test
// advances it, and input a test scripts. Each input call is handled at once,
// through the same routing as real input. Each time a form becomes modal the
// modal hook runs, and may look at the form, click its controls and close
// it; a modal form left waiting with nothing scripted throws EUnansweredModal
// instead of hanging. When the environment names a file in
// GRAYMARCH_DIALOG_LOG, each modal form opened and each one closed with its
// result adds a line to it ("opened TClass Name", "closed TClass Name"), so
// a test can tell which dialogs the test runs have been through.
class THeadlessBackend : public TBackend {
 public:
  using TModalHook = std::function<void(TForm& form)>;

  uint64_t Now() override { return now_; }
  bool PollEvent(TInputEvent& event) override;
  bool WaitForEvents(std::optional<uint64_t> deadline) override;
  void Present(const TBitmap& frame) override;
  void SetCursorShape(TCursor cursor) override { cursor_ = cursor; }
  void FormBecameModal(TForm& form) override;
  void ModalEnded(TForm& form) override;
  void ModalStalled(TForm& form) override;

  // Moves the clock on by `ms`, firing each timer at its own due time.
  void Advance(uint64_t ms);

  void SetModalHook(TModalHook hook) { modal_hook_ = std::move(hook); }
  int ModalCount() const { return modal_count_; }

  // Scripted input, in frame coordinates.
  void MouseMove(TPoint point, TShiftState shift = 0);
  void MouseDown(TPoint point, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0);
  void MouseUp(TPoint point, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0);
  void Click(TPoint point, TShiftState shift = 0);
  void Wheel(TPoint point, int notches, TShiftState shift = 0);
  // Moves to the middle of a control and clicks there.
  void Click(const TControl& control);
  // A key pressed and released; KeyDown and KeyUp alone for held keys.
  void PressKey(int key, TShiftState shift = 0);
  void KeyDown(int key, TShiftState shift = 0);
  void KeyUp(int key, TShiftState shift = 0);
  void Type(const std::string& text, TShiftState shift = 0);

  // What the last Present showed, and the last cursor shape asked for.
  const TBitmap& Frame() const { return frame_; }
  TCursor CursorShape() const { return cursor_; }

 private:
  void Feed(const TInputEvent& event);

  uint64_t now_ = 0;
  std::deque<TInputEvent> events_;
  TModalHook modal_hook_;
  int modal_count_ = 0;
  TBitmap frame_;
  TCursor cursor_ = crDefault;
};

// Installs a fresh headless backend for the life of the object, so each test
// starts with its own clock and script and leaves none behind.
class THeadlessSession {
 public:
  THeadlessSession();
  ~THeadlessSession();
  THeadlessSession(const THeadlessSession&) = delete;
  THeadlessSession& operator=(const THeadlessSession&) = delete;

  THeadlessBackend& Backend() { return backend_; }

 private:
  THeadlessBackend backend_;
};
