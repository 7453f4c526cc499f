#pragma once

#include <cstdint>
#include <optional>

#include "platform/components/cursor.h"
#include "platform/components/shift_state.h"
#include "platform/graphics/types.h"

class TBitmap;
class TForm;

// One input event as a backend delivers it, in frame coordinates.
struct TInputEvent {
  enum class Kind { MouseMove, MouseDown, MouseUp, MouseWheel, KeyDown, KeyUp, Char, Quit };
  Kind kind = Kind::MouseMove;
  TPoint point;
  TMouseButton button = TMouseButton::mbLeft;
  int key = 0;  // key code, or the wheel's notches
  char ch = 0;  // a Windows-1252 character
  TShiftState shift = 0;
};

// What the message loop needs from the machine: time, input and a place to
// show the frame. The headless backend serves tests from memory; the SDL
// backend serves the game with a real window.
class TBackend {
 public:
  virtual ~TBackend() = default;

  // Milliseconds on the backend's clock.
  virtual uint64_t Now() = 0;
  virtual bool PollEvent(TInputEvent& event) = 0;
  // Waits until input may have arrived or the clock reaches `deadline`.
  // Returns false when nothing can ever arrive: waiting would hang.
  virtual bool WaitForEvents(std::optional<uint64_t> deadline) = 0;
  // Wakes a waiting loop; may be called from any thread.
  virtual void Wake() {}
  // Shows the composed frame.
  virtual void Present(const TBitmap& frame) = 0;
  virtual void SetCursorShape(TCursor /*cursor*/) {}
  // Called each time a form becomes modal, before its loop starts.
  virtual void FormBecameModal(TForm& /*form*/) {}
  // Called when a modal form's loop ends with its result, before it hides.
  virtual void ModalEnded(TForm& /*form*/) {}
  // Called when a modal form waits for input that can never come.
  virtual void ModalStalled(TForm& form) = 0;
};
