#include "platform/backend/headless_backend.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <typeinfo>

#include "platform/components/control.h"
#include "platform/components/shift_state.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/input/mouse.h"

namespace {

// The form's class as its source names it, without namespaces.
std::string ClassName(const TForm& form) {
  const char* mangled = typeid(form).name();
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
  const std::string name = status == 0 ? demangled.get() : mangled;
  const auto scope = name.rfind("::");
  return scope == std::string::npos ? name : name.substr(scope + 2);
}

// Test programs run in parallel append to one log: each line goes out in one
// write to a file opened for appending, so lines never interleave.
void LogDialog(const char* event, const TForm& form) {
  const char* path = std::getenv("GRAYMARCH_DIALOG_LOG");
  if (path == nullptr || *path == 0) return;
  const std::string line = std::string(event) + " " + ClassName(form) + " " +
                           (form.Name().empty() ? "-" : form.Name()) + "\n";
  std::ofstream(path, std::ios::app) << line << std::flush;
}

}  // namespace

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
  LogDialog("opened", form);
  ++modal_count_;
  if (modal_hook_) modal_hook_(form);
}

void THeadlessBackend::ModalEnded(TForm& form) {
  LogDialog("closed", form);
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
