#include "ui/host/sdl_x11_errors.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <mutex>
#include <set>

#include <X11/Xlib.h>

namespace DuiLib::sdl {
namespace {

// X windows the program has destroyed. Guarded: SDL's timer thread may send a wakeup while the UI thread
// destroys a window, and Xlib calls the handler on whichever thread reads the error.
std::mutex goneMutex;
std::set<unsigned long>& GoneWindows() {
  static std::set<unsigned long> gone;
  return gone;
}

int ReportAndContinue(Display* display, XErrorEvent* event) {
  if (event->error_code == BadWindow) {
    std::lock_guard const lock(goneMutex);
    if (GoneWindows().contains(event->resourceid)) return 0;
  }
  // Once per error code: a burst of the same stale-window error says nothing new.
  static bool reported[256] = {};
  if (!reported[event->error_code]) {
    reported[event->error_code] = true;
    char text[160] = {};
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "wannianli: X error ignored: %s (request %d, resource 0x%lx)\n", text,
                 event->request_code, event->resourceid);
  }
  return 0;
}

}  // namespace

void KeepRunningOnXErrors() { XSetErrorHandler(&ReportAndContinue); }

void ExpectStaleWindowErrors(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  std::lock_guard const lock(goneMutex);
  GoneWindows().insert(info.info.x11.window);
}

}  // namespace DuiLib::sdl
