#pragma once
// Picking the SDL2 host at start-up. Programs that show real windows call CreateSdlHost and install it;
// tests and snapshots install a HeadlessHost (ui/host/headless_host.h) instead. Nothing of SDL shows here.
//
//   std::unique_ptr<DuiLib::IHost> host = DuiLib::CreateSdlHost();
//   if (!host) return 1;                // no display: the reason is on standard error
//   DuiLib::InstallHost(host.get());    // before the first window; keep `host` alive until the loop ends
#include <memory>
#include <optional>

#include "ui/host/host.h"

namespace DuiLib {

// The SDL2 host (real borderless windows), or null with the reason on standard error when SDL cannot
// start (no display). At most one lives at a time. Its windows are drawn at `scale`, or at the desktop's
// scale when none is given (ui/host/display_scale.h).
std::unique_ptr<IHost> CreateSdlHost(std::optional<double> scale = std::nullopt);

}  // namespace DuiLib
