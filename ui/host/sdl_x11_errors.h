#pragma once
// X protocol errors arrive asynchronously, often about a window the window manager or the program has just
// destroyed (a close racing a focus or activation request). Xlib's default handler, which SDL chains to,
// ends the process with status 1 on any of them; a calendar widget should rather say so and go on.
namespace DuiLib::sdl {

// Installs the lenient handler (process-wide; harmless when SDL ends up on another video driver).
void KeepRunningOnXErrors();

}  // namespace DuiLib::sdl
