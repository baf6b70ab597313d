#pragma once
// GDI+ is started once, on first use, and never shut down: the image cache and the frames live as long as the
// process, and GDI+ objects must not outlive GdiplusShutdown. Windows frees everything at exit.
namespace DuiLib {

// Starts GDI+ for the process if it is not started yet; false if it cannot start.
bool StartGdiplusOnce();

}  // namespace DuiLib
