#include <stdexcept>
#include <string>

#include "ui/host/sdl_handles.h"
#include "ui/host/sdl_x11_errors.h"

namespace DuiLib::sdl {

Library::Library() {
  // The program decides when to quit (PostQuitMessage); closing the last window must not end it behind
  // the framework's back. A signal still arrives as SDL_QUIT.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The window framebuffer without a GL texture behind it (see NativeWindow: software frames).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A desktop widget is no full-screen game: the compositor keeps drawing it (shadows, transparency).
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // A widget must not switch off the screen saver.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The X11 class (WM_CLASS) that desktop entries match with StartupWMClass, whatever the executable is
  // called. SDL reads it from its environment when video starts; a value the user set stays.
  SDL_setenv("SDL_VIDEO_X11_WMCLASS", "wannianli", 0);
  // Before SDL_Init: SDL's X11 driver chains its own handler to the one it finds, and puts that one back
  // when it quits — which is when a stale-window error is often flushed.
  KeepRunningOnXErrors();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    std::string message = SDL_GetError();
    SDL_Quit();
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
  // Joins SDL's timer thread: no timer callback runs after this.
  SDL_Quit();
}

}  // namespace DuiLib::sdl
