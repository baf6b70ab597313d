#include "ui/host/native_host.h"

#include "ui/host/sdl_host.h"

namespace DuiLib {

std::unique_ptr<IHost> CreateNativeHost() { return CreateSdlHost(); }

}  // namespace DuiLib
