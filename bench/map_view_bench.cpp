// The map is recomposed at every visible move of the movement phase, and the
// frame is composed and shown after it, so both run once per timer tick.
#include <benchmark/benchmark.h>

#include "platform/backend/headless_backend.h"
#include "platform/forms/screen.h"
#include "ui/main/main_form.h"
#include "ui/main/window_port.h"
#include "world/vardecl.h"

namespace {

// The 1861 start over a map whose every hex has an owner, looking at the
// crowded front around the capitals with the outlines on.
struct OpenWindow {
  OpenWindow() : window(GRAYMARCH_GAME_DIR), port(window) {
    previous = InstallGameWindow(&port);
    if (!window.FormCreate().empty()) throw std::runtime_error("the game's files are missing");
    for (int column = 1; column <= TMapRecord::Columns; ++column) {
      for (int row = 1; row <= TMapRecord::Rows; ++row) {
        MapRecord.Cell(column, row).SetOwner(column < 40 ? 1 : 2);
      }
    }
    HexGridVisible = true;
    ViewLeft = 45;
    ViewTop = 5;
    window.Show();
  }
  ~OpenWindow() { InstallGameWindow(previous); }

  THeadlessSession session;
  TGMRSDI window;
  TWindowPort port;
  GameWindow* previous = nullptr;
};

void BM_MapRepaint(benchmark::State& state) {
  OpenWindow open;
  for (auto _ : state) {
    open.window.MapView().Paint();
    benchmark::DoNotOptimize(open.window.MapView().View().Pixel(0, 0));
  }
}
BENCHMARK(BM_MapRepaint)->Unit(benchmark::kMicrosecond);

void BM_FramePresent(benchmark::State& state) {
  OpenWindow open;
  open.window.FormPaint();
  for (auto _ : state) {
    open.window.Invalidate();
    Screen.PaintAndPresent(open.session.Backend());
  }
}
BENCHMARK(BM_FramePresent)->Unit(benchmark::kMicrosecond);

}  // namespace
