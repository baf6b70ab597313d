#pragma once
// A press on a caption spot makes SDL ask the window manager to move the window (_NET_WM_MOVERESIZE) and let
// go of the pointer. When the button comes up before the window manager has taken the pointer (a quick
// click), the manager never sees the release and keeps the window following the pointer until the next
// click. EWMH's answer (_NET_WM_MOVERESIZE_CANCEL) is for the client to cancel the move when it receives
// the release itself.
#include <SDL.h>

namespace DuiLib::sdl {

// Tells the window manager to end a move it may have started for `window` (X11 only; elsewhere nothing).
void CancelWindowManagerMove(SDL_Window* window);

}  // namespace DuiLib::sdl
