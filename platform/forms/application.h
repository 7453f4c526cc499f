#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>

#include "platform/forms/hint_pilot.h"

class TBackend;
class TForm;
struct TInputEvent;

// The message loop of the window thread. Each round runs the calls queued
// from other threads, delivers posted messages and input, fires due timers,
// then paints what is invalid and shows the frame.
class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The backend that supplies time and input; nullptr uninstalls it. Backend
  // throws std::logic_error while none is installed.
  void SetBackend(TBackend* backend);
  TBackend& Backend();
  uint64_t Now();

  // Handles everything that is waiting now, without waiting for more.
  void ProcessMessages();
  // One round of a loop: handles what is waiting, then, unless `modal`
  // (nullptr for the main loop) has a result, waits for more.
  void HandleMessage(TForm* modal);
  // Shows the main form and runs until it closes or Terminate is called.
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  void ResetTerminated() { terminated_ = false; }

  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }

  // Runs `call` on the window thread at the next round; safe from any thread.
  void QueueCall(std::function<void()> call);

  // Where a control sends an exception that its message handling caught:
  // to OnException when one is set, else it goes on up to the caller.
  std::function<void(std::exception_ptr error)> OnException;
  void HandleException(std::exception_ptr error);

  std::string Hint;
  int HintPause = 500;       // ms before a hint shows
  int HintHidePause = 2500;  // ms a hint stays
  // The hint window showing now, or nullptr.
  THintWindow* HintWindow() const { return hints_.Window(); }

 private:
  bool RunQueuedCalls();
  bool DispatchEvents();
  bool HandlePending();
  void Dispatch(const TInputEvent& event);
  bool HasQueuedCalls();

  TBackend* backend_;
  bool terminated_ = false;
  TForm* main_form_ = nullptr;
  THintPilot hints_;
  std::mutex calls_mutex_;
  std::deque<std::function<void()>> calls_;
};

extern TApplication Application;
