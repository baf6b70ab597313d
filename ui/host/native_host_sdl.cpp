#include "ui/host/native_host.h"

#include "ui/host/sdl_host.h"
#include "ui/render/font_warm_up.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale) {
  // fontconfig and pango start on a thread while SDL connects and the program loads its data and skin.
  StartFontWarmUp();
  return CreateSdlHost(scale);
}

}  // namespace DuiLib
