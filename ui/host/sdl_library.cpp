#include <stdexcept>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#endif

#include "ui/host/sdl_handles.h"
#include "ui/host/sdl_x11_errors.h"

namespace DuiLib::sdl {

Library::Library() {
  // The program decides when to quit (PostQuitMessage); closing the last window must not end it behind
  // the framework's back. A signal still arrives as SDL_QUIT.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The window framebuffer in plain memory, without a GL texture behind it: frames are painted into it
  // (NativeWindow::BeginPaint).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A desktop widget is no full-screen game: the compositor keeps drawing it (shadows, transparency).
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // A widget must not switch off the screen saver.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The X11 class (WM_CLASS) that desktop entries match with StartupWMClass, whatever the executable is
  // called. SDL reads it from its environment when video starts; a value the user set stays.
  SDL_setenv("SDL_VIDEO_X11_WMCLASS", "wannianli", 0);
  // The click that activates a window acts too, as on every desktop: SDL's X11 driver would drop it.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // An input method's whole composition in one event with its cursor (SDL_TEXTEDITING_EXT when long),
  // rather than 32-byte pieces.
  SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
  // Without a display there is nothing to open; with an X display named and no Wayland one, only X11 is
  // asked. When that display cannot be opened the message names it; a Wayland probe would only add a
  // confusing line about XDG_RUNTIME_DIR.
  const char* x11 = SDL_getenv("DISPLAY");
  const bool x11Named = x11 != nullptr && *x11 != '\0';
  const bool driverChosen = SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr;  // by the environment or a caller
  const bool waylandNamed = SDL_getenv("WAYLAND_DISPLAY") != nullptr;
  if (!driverChosen && !waylandNamed && !x11Named)
    throw std::runtime_error("no display (DISPLAY and WAYLAND_DISPLAY are not set)");
  if (!driverChosen && !waylandNamed) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // Before SDL_Init: SDL's X11 driver chains its own handler to the one it finds, and puts that one back
  // when it quits — which is when a stale-window error is often flushed.
  KeepRunningOnXErrors();
#if defined(__SANITIZE_ADDRESS__)
  // SDL loads libdbus as it starts and unloads it when no bus answers. LeakSanitizer then no longer scans
  // that library's globals and reports what they still hold as leaked, so sanitizer builds keep it loaded.
  dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_NODELETE);
#endif
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::string message = SDL_GetError();
    SDL_Quit();
    if (!driverChosen && !waylandNamed) throw std::runtime_error("cannot open the display " + std::string(x11) + " (DISPLAY)");
    throw std::runtime_error("SDL could not start: " + message);
  }
  // Without a display SDL falls back to its "offscreen" driver on its own, and a widget nobody can see
  // would run until killed. Only a caller that asks for that driver by name gets it.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::string(driver) == "offscreen" && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
    SDL_Quit();
    throw std::runtime_error("SDL could not start: no display (DISPLAY and WAYLAND_DISPLAY are not set)");
  }
}

Library::~Library() {
  // Closes the display connection; the host (and its windows) went first.
  SDL_Quit();
}

}  // namespace DuiLib::sdl
