#include "ui/host/sdl_x11_resources.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstring>

namespace DuiLib::sdl {

std::string XResourceText() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return {};
  // A connection of its own, opened and closed here: SDL's is reachable only through a window.
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return {};
  const char* text = XResourceManagerString(display);
  std::string resources = text != nullptr ? text : "";
  XCloseDisplay(display);
  return resources;
}

}  // namespace DuiLib::sdl
