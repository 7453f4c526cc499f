#include "platform/backend/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/backend/frame_fit.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/input/key_codes.h"
#include "platform/text/cp1252.h"

namespace {

int KeyCodeOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  static const std::pair<SDL_Keycode, int> kKeys[] = {
      {SDLK_BACKSPACE, VK_BACK},  {SDLK_TAB, VK_TAB},       {SDLK_RETURN, VK_RETURN},
      {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_SPACE, VK_SPACE},
      {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT}, {SDLK_END, VK_END},
      {SDLK_HOME, VK_HOME},       {SDLK_LEFT, VK_LEFT},     {SDLK_UP, VK_UP},
      {SDLK_RIGHT, VK_RIGHT},     {SDLK_DOWN, VK_DOWN},     {SDLK_DELETE, VK_DELETE},
      {SDLK_F1, VK_F1},           {SDLK_LSHIFT, VK_SHIFT},  {SDLK_RSHIFT, VK_SHIFT},
      {SDLK_LCTRL, VK_CONTROL},   {SDLK_RCTRL, VK_CONTROL}, {SDLK_LALT, VK_MENU},
      {SDLK_RALT, VK_MENU}};
  for (const auto& [sdl, vk] : kKeys) {
    if (sdl == key) return vk;
  }
  return 0;
}

TShiftState ShiftOf(Uint16 mod) {
  TShiftState shift = 0;
  if (mod & KMOD_SHIFT) shift |= ssShift;
  if (mod & KMOD_CTRL) shift |= ssCtrl;
  if (mod & KMOD_ALT) shift |= ssAlt;
  return shift;
}

TMouseButton ButtonOf(Uint8 button) {
  if (button == SDL_BUTTON_RIGHT) return TMouseButton::mbRight;
  if (button == SDL_BUTTON_MIDDLE) return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

SDL_SystemCursor SystemCursorOf(TCursor cursor) {
  switch (cursor) {
    case crHourGlass:
      return SDL_SYSTEM_CURSOR_WAIT;
    case crSizeNS:
      return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeWE:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case crCross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crIBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case crHandPoint:
      return SDL_SYSTEM_CURSOR_HAND;
    default:
      return SDL_SYSTEM_CURSOR_ARROW;
  }
}

}  // namespace

std::unique_ptr<TSdlBackend> TSdlBackend::Open(const std::string& title, std::string& error) {
  // One 800 x 600 frame copied and scaled per move needs no graphics card:
  // drawing it on the processor spares the start the loading of the OpenGL
  // driver and the tens of megabytes it keeps. SDL_RENDER_DRIVER in the
  // environment still chooses another renderer.
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  std::unique_ptr<TSdlBackend> backend(new TSdlBackend());
  backend->window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                      TScreen::kWidth, TScreen::kHeight, SDL_WINDOW_RESIZABLE);
  if (backend->window_) backend->renderer_ = SDL_CreateRenderer(backend->window_, -1, 0);
  if (backend->renderer_) {
    backend->texture_ =
        SDL_CreateTexture(backend->renderer_, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING,
                          TScreen::kWidth, TScreen::kHeight);
  }
  if (!backend->texture_) {
    error = SDL_GetError();
    return nullptr;
  }
  backend->trace_ = std::getenv("GRAYMARCH_TRACE") != nullptr;
  backend->wake_event_ = SDL_RegisterEvents(1);
  backend->frame_.SetSize(TScreen::kWidth, TScreen::kHeight);
  SDL_StartTextInput();
  return backend;
}

TSdlBackend::~TSdlBackend() {
  for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

uint64_t TSdlBackend::Now() {
  return SDL_GetTicks64();
}

TRect TSdlBackend::Viewport() const {
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  return FitFrame(width, height, TScreen::kWidth, TScreen::kHeight);
}

// Mouse positions come in window units, which differ from the renderer's
// pixels on a high-density display.
TPoint TSdlBackend::ToFrame(int window_x, int window_y) const {
  int window_width = 0;
  int window_height = 0;
  int pixel_width = 0;
  int pixel_height = 0;
  SDL_GetWindowSize(window_, &window_width, &window_height);
  SDL_GetRendererOutputSize(renderer_, &pixel_width, &pixel_height);
  const TPoint pixel{window_width > 0 ? window_x * pixel_width / window_width : window_x,
                     window_height > 0 ? window_y * pixel_height / window_height : window_y};
  return WindowToFrame(pixel, Viewport(), TScreen::kWidth, TScreen::kHeight);
}

bool TSdlBackend::Translate(const SDL_Event& sdl, TInputEvent& event) {
  using Kind = TInputEvent::Kind;
  const TShiftState shift = ShiftOf(SDL_GetModState());
  event = TInputEvent{};
  event.shift = shift;
  switch (sdl.type) {
    case SDL_QUIT:
      event.kind = Kind::Quit;
      return true;
    case SDL_MOUSEMOTION:
      event.kind = Kind::MouseMove;
      event.point = ToFrame(sdl.motion.x, sdl.motion.y);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      event.kind = sdl.type == SDL_MOUSEBUTTONDOWN ? Kind::MouseDown : Kind::MouseUp;
      event.point = ToFrame(sdl.button.x, sdl.button.y);
      event.button = ButtonOf(sdl.button.button);
      return true;
    case SDL_MOUSEWHEEL: {
      int x = 0;
      int y = 0;
      SDL_GetMouseState(&x, &y);
      event.kind = Kind::MouseWheel;
      event.point = ToFrame(x, y);
      event.key = sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdl.wheel.y : sdl.wheel.y;
      return event.key != 0;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      event.kind = sdl.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp;
      event.key = KeyCodeOf(sdl.key.keysym.sym);
      event.shift = ShiftOf(sdl.key.keysym.mod);
      // SDL sends no text for Backspace, yet the controls erase on its
      // character, as they would under Windows.
      if (sdl.type == SDL_KEYDOWN && event.key == VK_BACK) QueueChar('\b', event.shift);
      return event.key != 0;
    case SDL_TEXTINPUT:
      // One event may carry several characters; each the game's texts can
      // hold is typed, in order, and one they cannot is left out.
      for (const char typed : Cp1252OfTyped(sdl.text.text)) QueueChar(typed, shift);
      return TakePendingChar(event);
    case SDL_WINDOWEVENT:
      if (sdl.window.event == SDL_WINDOWEVENT_LEAVE) {
        event.kind = Kind::MouseMove;
        event.point = kPointerOutsideWindow;
        return true;
      }
      if (sdl.window.event == SDL_WINDOWEVENT_EXPOSED ||
          sdl.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        ShowFrame();
      }
      return false;
    default:
      return false;
  }
}

void TSdlBackend::QueueChar(char ch, TShiftState shift) {
  TInputEvent typed;
  typed.kind = TInputEvent::Kind::Char;
  typed.ch = ch;
  typed.shift = shift;
  pending_chars_.push_back(typed);
}

bool TSdlBackend::TakePendingChar(TInputEvent& event) {
  if (pending_chars_.empty()) return false;
  event = pending_chars_.front();
  pending_chars_.pop_front();
  return true;
}

bool TSdlBackend::PollEvent(TInputEvent& event) {
  if (TakePendingChar(event)) return true;
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl)) {
    if (Translate(sdl, event)) return true;
  }
  return false;
}

bool TSdlBackend::WaitForEvents(std::optional<uint64_t> deadline) {
  int timeout = -1;
  if (deadline) {
    const uint64_t now = Now();
    timeout = *deadline > now ? static_cast<int>(std::min<uint64_t>(*deadline - now, 1000)) : 0;
  }
  SDL_WaitEventTimeout(nullptr, timeout);
  return true;
}

void TSdlBackend::Wake() {
  SDL_Event event{};
  event.type = wake_event_;
  SDL_PushEvent(&event);
}

void TSdlBackend::Present(const TBitmap& frame) {
  frame_.Assign(frame);
  ShowFrame();
  if (trace_ && !shown_) std::fprintf(stderr, "trace: frame\n");
  shown_ = true;
}

void TSdlBackend::FormBecameModal(TForm& form) {
  if (!trace_) return;
  const TPoint origin = form.ClientOrigin();
  std::fprintf(stderr, "trace: modal %s %d %d %d %d\n", form.Name().c_str(), origin.X, origin.Y,
               form.ClientWidth(), form.ClientHeight());
}

void TSdlBackend::FormEndedModal(TForm& form) {
  if (trace_) std::fprintf(stderr, "trace: closed %s\n", form.Name().c_str());
}

void TSdlBackend::ShowFrame() {
  SDL_UpdateTexture(texture_, nullptr, frame_.ScanLine(0), frame_.Width() * 4);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const TRect viewport = Viewport();
  SDL_SetTextureScaleMode(texture_, ScalesByWholeFactor(viewport, TScreen::kWidth, TScreen::kHeight)
                                        ? SDL_ScaleModeNearest
                                        : SDL_ScaleModeLinear);
  const SDL_Rect target{viewport.Left, viewport.Top, viewport.Width(), viewport.Height()};
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

void TSdlBackend::SetCursorShape(TCursor cursor) {
  SDL_Cursor*& shape = cursors_[cursor];
  if (!shape) shape = SDL_CreateSystemCursor(SystemCursorOf(cursor));
  if (shape) SDL_SetCursor(shape);
}
