#include "ui/host/native_host.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "ui/host/sdl_host.h"
#include "ui/render/font_warm_up.h"

namespace DuiLib {
namespace {

// What SDL reads from the environment, set while this is the only thread (setenv may move the environment
// under another thread's getenv).
void PrepareEnvironment() {
  // The X11 class (WM_CLASS) that desktop entries match with StartupWMClass; a value the user set stays.
  setenv("SDL_VIDEO_X11_WMCLASS", "wannianli", 0);
  // Without a session bus, libdbus would fork dbus-launch during SDL's start to make one for the display,
  // while the font thread runs: a child forked from a busy process can hang on a lock (seen under the
  // sanitizers), and a widget should leave no bus daemon behind. An address of no transport ("disabled:")
  // makes SDL's D-Bus features (an input method over the session bus) absent, as they are without a bus.
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr) return;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/') {
    struct stat bus {};
    if (stat((std::string(runtime) + "/bus").c_str(), &bus) == 0 && S_ISSOCK(bus.st_mode)) return;  // libdbus finds it
  }
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace

std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale, std::function<std::vector<FontSpec>()> firstFonts) {
  // fontconfig and pango start on a thread while SDL connects and the program loads its data and skin. The
  // scale a desktop sets (Xft.dpi) is known only once connected: the fonts are warmed at the one given, or
  // at 1 (a display at another scale still gains fontconfig's start).
  PrepareEnvironment();
  StartFontWarmUp(std::move(firstFonts), scale.value_or(1.0));
  return CreateSdlHost(scale);
}

}  // namespace DuiLib
