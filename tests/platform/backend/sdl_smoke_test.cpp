#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/backend/frame_fit.h"
#include "platform/backend/sdl_backend.h"
#include "platform/controls/edit.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/input/mouse.h"
#include "tests/platform/components/test_controls.h"

namespace {

// Tries SDL's two windowless drivers, then whatever the environment names.
// The dummy driver comes first: it draws into memory without loading the
// machine's GL libraries, whose own leaks would fail the sanitizer build.
std::unique_ptr<TSdlBackend> OpenAnyDriver(std::string& errors) {
  std::vector<std::string> drivers{"dummy", "offscreen"};
  if (const char* configured = std::getenv("SDL_VIDEODRIVER")) drivers.emplace_back(configured);
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  for (const std::string& driver : drivers) {
    setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
    std::string error;
    if (auto backend = TSdlBackend::Open("Graymarch", error)) return backend;
    errors += driver + ": " + error + "; ";
  }
  return nullptr;
}

void PushButtonEvent(Uint32 type, int x, int y) {
  SDL_Event event{};
  event.type = type;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
}

// The backend on whichever driver starts, installed for the test's forms.
class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string errors;
    backend = OpenAnyDriver(errors);
    if (!backend) GTEST_SKIP() << "no SDL video driver could start (" << errors << ")";
    Application.SetBackend(backend.get());
  }
  void TearDown() override { Application.SetBackend(nullptr); }

  std::unique_ptr<TSdlBackend> backend;
};

TEST_F(SdlBackendTest, OpensAWindowShowsTheFrameAndTurnsRealEventsIntoClicks) {
  TForm form;
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 800, 600);
  form.SetColor(clNavy);
  auto* button = Place<TProbe>(&form, 100, 100, 80, 25);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  form.Show();
  Application.ProcessMessages();

  EXPECT_EQ(backend->Viewport(), TRect::Bounds(0, 0, 800, 600));
  // The window shows the frame: the form's navy where the form is.
  SDL_Renderer* renderer = SDL_GetRenderer(backend->Window());
  Uint32 pixel = 0;
  const SDL_Rect probe{10, 10, 1, 1};
  ASSERT_EQ(SDL_RenderReadPixels(renderer, &probe, SDL_PIXELFORMAT_XBGR8888, &pixel, 4), 0);
  EXPECT_EQ(pixel & 0xFFFFFF, clNavy);
  PushButtonEvent(SDL_MOUSEBUTTONDOWN, 140, 112);
  PushButtonEvent(SDL_MOUSEBUTTONUP, 140, 112);
  Application.ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

// A pointer that leaves the window is over nothing of the frame any more, not
// where it was last seen: an edge band it crossed on its way out rests.
TEST_F(SdlBackendTest, APointerThatLeavesTheWindowIsNoLongerOverTheFrame) {
  TForm form;
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 800, 600);
  form.Show();
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.x = 5;
  motion.motion.y = 300;
  SDL_PushEvent(&motion);
  Application.ProcessMessages();
  EXPECT_EQ(CursorPos(), (TPoint{5, 300}));
  SDL_Event leave{};
  leave.type = SDL_WINDOWEVENT;
  leave.window.event = SDL_WINDOWEVENT_LEAVE;
  leave.window.windowID = SDL_GetWindowID(backend->Window());
  SDL_PushEvent(&leave);
  Application.ProcessMessages();
  EXPECT_EQ(CursorPos(), kPointerOutsideWindow);
}

void PushKey(SDL_Keycode key) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.sym = key;
  SDL_PushEvent(&event);
  event.type = SDL_KEYUP;
  SDL_PushEvent(&event);
}

void PushText(const char* text) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  SDL_strlcpy(event.text.text, text, sizeof event.text.text);
  SDL_PushEvent(&event);
}

// A file name is typed and mended at the real keyboard: SDL sends text for
// the letters, several to an event at times, but only a key for Backspace. A
// character the game's texts cannot hold is left out of its event, not the
// whole event.
TEST_F(SdlBackendTest, TypingAndBackspaceEditTheFocusedBox) {
  TForm form;
  form.SetBounds(0, 0, 400, 300);
  auto* name = Place<TEdit>(&form, 10, 10, 200, 21);
  form.Show();
  form.SetActiveControl(name);
  struct Step {
    const char* text;
    SDL_Keycode key;
    const char* expected;
  } steps[] = {{"mail", 0, "mail"},
               {nullptr, SDLK_BACKSPACE, "mai"},
               {nullptr, SDLK_LEFT, "mai"},
               {nullptr, SDLK_BACKSPACE, "mi"},
               {"a", 0, "mai"},
               {"n\xE6\x97\xA5\xC3\xA9", 0, "man\xE9i"}};
  for (const Step& step : steps) {
    if (step.text) {
      PushText(step.text);
    } else {
      PushKey(step.key);
    }
    Application.ProcessMessages();
    EXPECT_EQ(name->Text(), step.expected) << (step.text ? step.text : SDL_GetKeyName(step.key));
  }
}

}  // namespace
