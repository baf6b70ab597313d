#pragma once
// The X resource database of the display SDL runs on (the RESOURCE_MANAGER text that `xrdb` sets), where
// desktops publish Xft.dpi.
#include <string>

namespace DuiLib::sdl {

// Empty when SDL does not run on X11 or the display has no resources.
std::string XResourceText();

}  // namespace DuiLib::sdl
