#pragma once
// X protocol errors arrive asynchronously, often about a window the window manager or the program has just
// destroyed (a close racing a focus or activation request). Xlib's default handler, which SDL chains to,
// ends the process with status 1 on any of them; a calendar widget should rather say so and go on.
struct SDL_Window;

namespace DuiLib::sdl {

// Installs the lenient handler (process-wide; harmless when SDL ends up on another video driver).
void KeepRunningOnXErrors();

// Called just before a window is destroyed. SDL 2.26 wakes a waiting event loop with a message sent to one
// of the program's windows; when a timer tick races the destruction of that window (a close through the
// window manager, whose clock keeps ticking), the message reaches a window that no longer exists and the
// server answers BadWindow. Those answers, about a window the program itself destroyed, are expected and
// are not reported; every other error still is.
void ExpectStaleWindowErrors(SDL_Window* window);

}  // namespace DuiLib::sdl
