#pragma once
// X protocol errors arrive asynchronously, often about a window the window manager or the program has just
// destroyed (a close racing a focus or activation request). Xlib's default handler, which SDL chains to,
// ends the process with status 1 on any of them; a calendar widget should rather say so and go on.
namespace DuiLib::sdl {

// Installs the lenient handler when SDL runs on X11; does nothing on other video drivers.
void KeepRunningOnXErrors();

}  // namespace DuiLib::sdl
