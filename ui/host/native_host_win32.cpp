#include "ui/host/native_host.h"

#include "ui/host/win32_host.h"

namespace DuiLib {

// GDI+ needs no warm-up: the fonts are not asked for.
std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale, std::function<std::vector<FontSpec>()>) {
  return std::make_unique<Win32Host>(scale);
}

}  // namespace DuiLib
