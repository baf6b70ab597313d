#pragma once
// Opening the widget: the main window on the native host (SDL2, or Win32 on Windows) until it is closed, or,
// for a snapshot, on the headless host for one frame saved as PNG.
#include "app/command_line.h"

namespace app {

// Returns the exit status: 0 after a normal end, 1 when the skin, the display or the PNG file failed
// (with a message on standard error naming what).
int RunWidget(const WidgetOptions& options);

}  // namespace app
