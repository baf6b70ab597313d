#pragma once
// Where the user left the widget: its top-left corner and whether it was shrunk to its header. Kept in
// the [window] section of the settings file; pulled back onto a screen when the screens have changed since.
#include <optional>
#include <span>
#include <string>

#include "platform/settings_file.h"
#include "ui/ui_defs.h"

namespace app {

struct WindowPlace {
  int x = 0;
  int y = 0;
  bool shrunk = false;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The saved place, or std::nullopt when there is none; `problem` is set when the section is there but
// does not hold a place (a value that is not a number, say).
std::optional<WindowPlace> ReadWindowPlace(const platform::Settings& settings, std::string& problem);
void WriteWindowPlace(platform::Settings& settings, const WindowPlace& place);

// The top-left corner for `window` (a screen rectangle): where it is while enough of its top band — what
// the user drags it by — lies on one of the screens' work areas; otherwise moved fully onto the work area
// nearest to it (as far as it fits). With no work area known the window stays.
DuiLib::POINT PlaceOnScreens(const DuiLib::RECT& window, std::span<const DuiLib::RECT> workAreas);

}  // namespace app
