#include "ui/host/sdl_x11_errors.h"

#include <cstdio>

#include <X11/Xlib.h>

namespace DuiLib::sdl {
namespace {

int ReportAndContinue(Display* display, XErrorEvent* event) {
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

}  // namespace DuiLib::sdl
