// What the SDL host costs to put a painted part of a window on the screen: a clock-sized part (a tick) and
// the whole calendar-sized window (a month step repaints most of it), at the display scales 1 and 2 (the
// argument is the scale in percent). The painting is one fill, so the figure is the host's own work: the
// frame's memory, any conversion, and the transfer to the X server with its round trip.
// Run it under an X server that outlives its clients (each benchmark opens the display anew; a resetting
// Xvfb refuses it meanwhile): `xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bin/bench_sdl_present`.
// Without DISPLAY it takes SDL's dummy driver, which shows nothing and so times the host's copies alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include <SDL.h>

#include "ui/host/host.h"
#include "ui/host/sdl_host.h"
#include "ui/render/canvas.h"

namespace {

using namespace DuiLib;

class QuietClient : public IHostClient {
 public:
  LRESULT HostDispatch(UINT, WPARAM, LPARAM) override { return 0; }
};

constexpr RECT kWindow{0, 0, 336, 494};
constexpr RECT kClock{14, 4, 110, 30};

void Present(benchmark::State& state, const RECT& part) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  std::unique_ptr<IHost> host = CreateSdlHost(static_cast<double>(state.range(0)) / 100);
  if (!host) {
    state.SkipWithError("SDL could not start");
    return;
  }
  InstallHost(host.get());
  QuietClient client;
  NativeWindowParams params;
  params.title = L"bench";
  params.outer = RECT{40, 40, 40 + kWindow.Width(), 40 + kWindow.Height()};
  HWND window = host->CreateNativeWindow(&client, params);
  host->ShowNativeWindow(window, true, false);
  DWORD colour = 0xFF3A7BD5;
  for (auto _ : state) {
    ICanvas* canvas = host->BeginPaint(window);
    if (canvas == nullptr) {
      state.SkipWithError("the window has no frame");
      break;
    }
    colour ^= 0x00FFFFFF;  // a different frame each time
    canvas->FillRect(part, colour);
    host->EndPaint(window, {part});
  }
  host->DestroyNativeWindow(window);
  InstallHost(nullptr);
}

void BM_PresentClockTick(benchmark::State& state) { Present(state, kClock); }
void BM_PresentWholeWindow(benchmark::State& state) { Present(state, kWindow); }

BENCHMARK(BM_PresentClockTick)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentWholeWindow)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
