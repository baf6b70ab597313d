#include "ui/host/native_host.h"

#include "ui/host/sdl_host.h"
#include "ui/render/font_warm_up.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale, std::function<std::vector<FontSpec>()> firstFonts) {
  // fontconfig and pango start on a thread while SDL connects and the program loads its data and skin. The
  // scale a desktop sets (Xft.dpi) is known only once connected: the fonts are warmed at the one given, or
  // at 1 (a display at another scale still gains fontconfig's start).
  StartFontWarmUp(std::move(firstFonts), scale.value_or(1.0));
  return CreateSdlHost(scale);
}

}  // namespace DuiLib
