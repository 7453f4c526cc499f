#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/backend/sdl_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
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

TEST(SdlBackend, OpensAWindowShowsTheFrameAndTurnsRealEventsIntoClicks) {
  std::string errors;
  std::unique_ptr<TSdlBackend> backend = OpenAnyDriver(errors);
  if (!backend) GTEST_SKIP() << "no SDL video driver could start (" << errors << ")";
  Application.SetBackend(backend.get());
  {
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
  Application.SetBackend(nullptr);
}

}  // namespace
