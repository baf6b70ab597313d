#pragma once
// The host of real windows on this platform: the Win32 host on Windows, the SDL2 host elsewhere (target
// wl_ui_native). A program's entry point asks here and needs no platform test of its own:
//
//   std::unique_ptr<DuiLib::IHost> host = DuiLib::CreateNativeHost();
//   if (!host) return 1;                // no display: the reason is on standard error
//   DuiLib::InstallHost(host.get());    // before the first window; keep `host` alive until the loop ends
//
// Tests and snapshot modes install a HeadlessHost (ui/host/headless_host.h) instead.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/host/host.h"
#include "ui/render/canvas.h"

namespace DuiLib {

// The class of the Win32 host's windows; a later start of the program finds the running one by it.
inline constexpr wchar_t kNativeWindowClass[] = L"WannianliWindow";

// `scale` fixes the display scale of every window (1 to 3); without it the host follows the desktop (SDL:
// ui/host/display_scale.h; Win32: each monitor's DPI, also as a window moves between monitors).
// `firstFonts` names the fonts of the first window's skin: where fonts are slow to start (fontconfig), they
// are made ready on a thread while the host connects (ui/render/font_warm_up.h); it is called there.
std::unique_ptr<IHost> CreateNativeHost(std::optional<double> scale = std::nullopt,
                                        std::function<std::vector<FontSpec>()> firstFonts = {});

}  // namespace DuiLib
