#include "ui/host/native_host.h"

#include "ui/host/win32_host.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale) { return std::make_unique<Win32Host>(scale); }

}  // namespace DuiLib
