#include "ui/host/host.h"

namespace DuiLib {
namespace {
IHost* installedHost = nullptr;
}

void InstallHost(IHost* host) { installedHost = host; }
IHost* CurrentHost() { return installedHost; }

}  // namespace DuiLib
