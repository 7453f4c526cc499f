#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/forms/backend.h"
#include "platform/graphics/bitmap.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;
union SDL_Event;

// The game's backend: one OS window showing the 800 x 600 frame scaled to
// the window, real time, the real mouse and keyboard.
class TSdlBackend : public TBackend {
 public:
  // Opens the window; nullptr, with the reason in `error`, when no video
  // driver can start.
  static std::unique_ptr<TSdlBackend> Open(const std::string& title, std::string& error);
  ~TSdlBackend() override;
  TSdlBackend(const TSdlBackend&) = delete;
  TSdlBackend& operator=(const TSdlBackend&) = delete;

  uint64_t Now() override;
  bool PollEvent(TInputEvent& event) override;
  bool WaitForEvents(std::optional<uint64_t> deadline) override;
  void Wake() override;
  void Present(const TBitmap& frame) override;
  void SetCursorShape(TCursor cursor) override;
  void FormBecameModal(TForm& form) override;
  void FormEndedModal(TForm& form) override;
  void ModalStalled(TForm& /*form*/) override {}

  SDL_Window* Window() const { return window_; }
  // The frame's place in the window's pixels now.
  TRect Viewport() const;

 private:
  TSdlBackend() = default;
  bool Translate(const SDL_Event& sdl, TInputEvent& event);
  void QueueChar(char ch, TShiftState shift);
  bool TakePendingChar(TInputEvent& event);
  TPoint ToFrame(int window_x, int window_y) const;
  void ShowFrame();

  // Characters still to deliver, before any further event: the one a key
  // gives besides its key event, or the rest of a text event's.
  std::deque<TInputEvent> pending_chars_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint32_t wake_event_ = 0;
  TBitmap frame_;
  // With GRAYMARCH_TRACE set, the first frame shown and every dialog opened
  // and closed are written to stderr, so a test driving the window through the
  // X server knows what is on the screen and where.
  bool trace_ = false;
  bool shown_ = false;
  std::map<TCursor, SDL_Cursor*> cursors_;
};
