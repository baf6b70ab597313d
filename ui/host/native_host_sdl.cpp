#include "ui/host/native_host.h"

#include "ui/host/sdl_host.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale) { return CreateSdlHost(scale); }

}  // namespace DuiLib
