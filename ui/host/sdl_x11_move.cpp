#include "ui/host/sdl_x11_move.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace DuiLib::sdl {

void CancelWindowManagerMove(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  constexpr long kMoveResizeCancel = 11;  // _NET_WM_MOVERESIZE_CANCEL
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = info.info.x11.window;
  event.xclient.message_type = XInternAtom(display, "_NET_WM_MOVERESIZE", False);
  event.xclient.format = 32;
  event.xclient.data.l[2] = kMoveResizeCancel;
  event.xclient.data.l[3] = Button1;
  event.xclient.data.l[4] = 1;  // a normal application
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XFlush(display);
}

}  // namespace DuiLib::sdl
