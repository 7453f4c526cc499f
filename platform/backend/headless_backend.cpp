#include "platform/backend/headless_backend.h"

#include <algorithm>

#include "platform/components/control.h"
#include "platform/components/shift_state.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/input/mouse.h"

bool THeadlessBackend::PollEvent(TInputEvent& event) {
  if (events_.empty()) return false;
  event = events_.front();
  events_.pop_front();
  return true;
}

// Time stands still and nobody types unless the test says so: with nothing
// queued, waiting could only hang.
bool THeadlessBackend::WaitForEvents(std::optional<uint64_t> /*deadline*/) {
  return !events_.empty();
}

void THeadlessBackend::Present(const TBitmap& frame) {
  frame_.Assign(frame);
}

void THeadlessBackend::FormBecameModal(TForm& form) {
  ++modal_count_;
  if (modal_hook_) modal_hook_(form);
}

void THeadlessBackend::ModalStalled(TForm& form) {
  const std::string name = form.Name().empty() ? std::string("(unnamed)") : form.Name();
  throw EUnansweredModal("form " + name + " waits for input that the test never scripted");
}

void THeadlessBackend::Advance(uint64_t ms) {
  const uint64_t target = now_ + ms;
  for (auto due = NextTimerDue(); due && *due <= target; due = NextTimerDue()) {
    if (*due > now_) now_ = *due;
    Application.ProcessMessages();
  }
  // A handler may have moved the clock further (a modal hook advancing it).
  now_ = std::max(now_, target);
  Application.ProcessMessages();
}

void THeadlessBackend::Feed(const TInputEvent& event) {
  events_.push_back(event);
  Application.ProcessMessages();
}

void THeadlessBackend::MouseMove(TPoint point, TShiftState shift) {
  Feed({TInputEvent::Kind::MouseMove, point, TMouseButton::mbLeft, 0, 0, shift});
}

void THeadlessBackend::MouseDown(TPoint point, TMouseButton button, TShiftState shift) {
  Feed({TInputEvent::Kind::MouseDown, point, button, 0, 0, shift});
}

void THeadlessBackend::MouseUp(TPoint point, TMouseButton button, TShiftState shift) {
  Feed({TInputEvent::Kind::MouseUp, point, button, 0, 0, shift});
}

void THeadlessBackend::Click(TPoint point, TShiftState shift) {
  MouseMove(point, shift);
  MouseDown(point, TMouseButton::mbLeft, shift);
  MouseUp(point, TMouseButton::mbLeft, shift);
}

void THeadlessBackend::Click(const TControl& control) {
  Click(control.ClientToScreen({control.Width() / 2, control.Height() / 2}));
}

void THeadlessBackend::Wheel(TPoint point, int notches, TShiftState shift) {
  Feed({TInputEvent::Kind::MouseWheel, point, TMouseButton::mbLeft, notches, 0, shift});
}

void THeadlessBackend::KeyDown(int key, TShiftState shift) {
  Feed({TInputEvent::Kind::KeyDown, {}, TMouseButton::mbLeft, key, 0, shift});
}

void THeadlessBackend::KeyUp(int key, TShiftState shift) {
  Feed({TInputEvent::Kind::KeyUp, {}, TMouseButton::mbLeft, key, 0, shift});
}

void THeadlessBackend::PressKey(int key, TShiftState shift) {
  KeyDown(key, shift);
  KeyUp(key, shift);
}

void THeadlessBackend::Type(const std::string& text, TShiftState shift) {
  for (char ch : text) Feed({TInputEvent::Kind::Char, {}, TMouseButton::mbLeft, 0, ch, shift});
}

THeadlessSession::THeadlessSession() {
  Application.SetBackend(&backend_);
  Application.ResetTerminated();
  SetShiftState(0);
  Screen.SetCursor(crDefault);
}

THeadlessSession::~THeadlessSession() {
  ReleaseMouseButtons();
  Application.SetBackend(nullptr);
  Application.ResetTerminated();
}
