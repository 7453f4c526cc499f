#include "platform/forms/application.h"

#include <stdexcept>

#include "platform/components/posted_messages.h"
#include "platform/forms/backend.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/input/keyboard.h"
#include "platform/input/mouse.h"

TApplication Application;

TApplication::TApplication() : backend_(nullptr) {}

TApplication::~TApplication() = default;

// A hint waits on the clock of the backend it began under.
void TApplication::SetBackend(TBackend* backend) {
  hints_.Reset();
  backend_ = backend;
}

// The game must never run headless by mistake, nor a test on a screen: with
// no backend installed there is nothing sensible to fall back to.
TBackend& TApplication::Backend() {
  if (!backend_)
    throw std::logic_error(
        "no backend is installed: the game installs the SDL backend at start, a test a "
        "headless session");
  return *backend_;
}

uint64_t TApplication::Now() {
  return Backend().Now();
}

void TApplication::HandleException(std::exception_ptr error) {
  if (!OnException) std::rethrow_exception(error);
  OnException(error);
}

void TApplication::QueueCall(std::function<void()> call) {
  {
    std::lock_guard lock(calls_mutex_);
    calls_.push_back(std::move(call));
  }
  if (backend_) backend_->Wake();
}

bool TApplication::HasQueuedCalls() {
  std::lock_guard lock(calls_mutex_);
  return !calls_.empty();
}

bool TApplication::RunQueuedCalls() {
  std::deque<std::function<void()>> calls;
  {
    std::lock_guard lock(calls_mutex_);
    calls.swap(calls_);
  }
  for (auto& call : calls) call();
  return !calls.empty();
}

bool TApplication::DispatchEvents() {
  TInputEvent event;
  bool any = false;
  while (Backend().PollEvent(event)) {
    Dispatch(event);
    any = true;
  }
  return any;
}

bool TApplication::HandlePending() {
  bool any = false;
  for (;;) {
    bool round = RunQueuedCalls();
    round = DeliverPostedMessages() || round;
    round = DispatchEvents() || round;
    if (!round) return any;
    any = true;
  }
}

void TApplication::ProcessMessages() {
  HandlePending();
  if (FireDueTimers(Now())) HandlePending();
  Screen.PaintAndPresent(Backend());
}

void TApplication::HandleMessage(TForm* modal) {
  ProcessMessages();
  if (terminated_ || (modal && modal->ModalResult() != mrNone) || HasQueuedCalls()) return;
  if (modal && !modal->Visible()) return;
  if (!Backend().WaitForEvents(NextTimerDue())) {
    TForm* waiting = modal ? modal : main_form_;
    if (waiting) Backend().ModalStalled(*waiting);
    terminated_ = terminated_ || !waiting;
  }
}

void TApplication::Run() {
  if (!main_form_) return;
  main_form_->Show();
  while (!terminated_ && main_form_->Visible()) HandleMessage(nullptr);
  hints_.Reset();
}

void TApplication::Dispatch(const TInputEvent& event) {
  using Kind = TInputEvent::Kind;
  if (event.kind == Kind::Quit) {
    Terminate();
    return;
  }
  const bool mouse = event.kind == Kind::MouseMove || event.kind == Kind::MouseDown ||
                     event.kind == Kind::MouseUp || event.kind == Kind::MouseWheel;
  TForm* form = mouse ? Screen.InputForm(event.point) : Screen.ActiveForm();
  if (!form) return;
  switch (event.kind) {
    case Kind::MouseMove:
      DispatchMouseMove(*form, event.point, event.shift);
      hints_.PointerMoved();
      break;
    case Kind::MouseDown:
      hints_.Cancel();
      [[fallthrough]];
    case Kind::MouseUp:
      DispatchMouseButton(*form, event.point, event.button, event.kind == Kind::MouseDown,
                          event.shift, Now());
      break;
    case Kind::MouseWheel:
      DispatchMouseWheel(*form, event.point, event.key, event.shift);
      break;
    case Kind::KeyDown:
      hints_.Cancel();
      DispatchKeyDown(*form, event.key, event.shift);
      break;
    case Kind::KeyUp:
      DispatchKeyUp(*form, event.key, event.shift);
      break;
    case Kind::Char:
      DispatchChar(*form, event.ch, event.shift);
      break;
    case Kind::Quit:
      break;
  }
  Screen.UpdateCursor(Backend());
}
