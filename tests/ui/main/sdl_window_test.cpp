#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/backend/sdl_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "ui/main/program.h"

namespace {

// SDL's windowless drivers: dummy first, which loads no GL libraries whose
// own leaks the sanitizer build would report.
std::unique_ptr<TSdlBackend> OpenWindowlessDriver(std::string& errors) {
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  for (const char* driver : {"dummy", "offscreen"}) {
    setenv("SDL_VIDEODRIVER", driver, 1);
    std::string error;
    if (auto backend = TSdlBackend::Open("Graymarch", error)) return backend;
    errors += std::string(driver) + ": " + error + "; ";
  }
  return nullptr;
}

TEST(GameWindow, ShowsTheMapInItsFirstFrameAndEndsWellOnAQuitEvent) {
  std::string errors;
  std::unique_ptr<TSdlBackend> backend = OpenWindowlessDriver(errors);
  ASSERT_TRUE(backend) << "no SDL video driver could start (" << errors << ")";
  Application.SetBackend(backend.get());
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  EXPECT_EQ(RunMainWindow(GRAYMARCH_GAME_DIR), 0);

  SDL_Renderer* renderer = SDL_GetRenderer(backend->Window());
  Uint32 pixel = 0;
  const SDL_Rect probe{300, 200, 1, 1};
  ASSERT_EQ(SDL_RenderReadPixels(renderer, &probe, SDL_PIXELFORMAT_XBGR8888, &pixel, 4), 0);
  EXPECT_EQ(pixel & 0xFFFFFF, Screen.Frame().Pixel(300, 200)) << "the window shows the frame";
  EXPECT_NE(pixel & 0xFFFFFF, clSilver) << "the map, not the bare window";
  Application.ResetTerminated();
  Application.SetBackend(nullptr);
}

}  // namespace
