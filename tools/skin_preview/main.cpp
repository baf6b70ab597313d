// wannianli-skin-preview [--png FILE] [--seconds N] [--today YYYY-MM-DD | SKIN_FILE]
// Opens the skin file (main.xml by default) from skin/ as a framework window, centred on the screen; with
// --today, the main window's month grid, header and details for that date instead (the almanac on yiji.db).
// --png writes the first painted frame to FILE and closes; --seconds closes the window after N seconds;
// without either it stays until closed. On Windows the window is real (Win32 host, GDI+ canvas); elsewhere
// it is painted by the headless host (cairo/pango canvas) and only --png makes sense: the smoke test
// compares the two frames.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac_store.h"
#include "app/info_command.h"
#include "platform/code_page.h"
#include "platform/executable_path.h"
#include "platform/local_clock.h"
#include "preview_window.h"

#if defined(_WIN32)
#include "ui/host/win32_host.h"
#include "ui/render/gdiplus_canvas.h"
using PreviewHost = DuiLib::Win32Host;
#else
#include "ui/host/headless_host.h"
using PreviewHost = DuiLib::HeadlessHost;
#endif

namespace {

struct Options {
  std::string png;
  int seconds = 0;
  std::wstring skinFile = L"main.xml";
  std::optional<app::InfoDate> today;
};

bool ParseOptions(const std::vector<std::string_view>& arguments, Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--png" && i + 1 < arguments.size()) {
      options.png = arguments[++i];
    } else if (arguments[i] == "--seconds" && i + 1 < arguments.size()) {
      std::string_view const n = arguments[++i];
      auto const [end, error] = std::from_chars(n.data(), n.data() + n.size(), options.seconds);
      if (error != std::errc() || end != n.data() + n.size() || options.seconds <= 0) return false;
    } else if (arguments[i] == "--today" && i + 1 < arguments.size()) {
      options.today = app::ParseInfoDate(arguments[++i]);
      if (!options.today) return false;
    } else if (!arguments[i].starts_with("--")) {
      options.skinFile = platform::Utf8ToWide(arguments[i]);
    } else {
      return false;
    }
  }
  return true;
}

std::optional<bool> SaveFrame(PreviewHost& host, DuiLib::HWND window, const std::string& file) {
#if defined(_WIN32)
  DuiLib::GdiplusFrame* frame = host.Frame(window);
  if (frame == nullptr) return std::nullopt;
  return frame->SavePng(file);
#else
  return host.SavePng(window, file);
#endif
}

// Shows `window` until it closes; the exit status.
template <class Window>
int Run(PreviewHost& host, Window& window, const Options& options) {
  if (window.Create(nullptr, L"wannianli", DuiLib::UI_WNDSTYLE_FRAME, 0) == nullptr) {
    return 1;  // the skin error is on standard error already
  }
  window.CenterWindow();
  window.ShowWindow(true, true);
  if (!options.png.empty()) {
    window.SaveFirstFrameAndClose(
        [&host, &options](DuiLib::HWND handle) { return SaveFrame(host, handle, options.png); });
  }
  if (options.seconds > 0) window.CloseAfter(options.seconds);
  int const status = host.RunMessageLoop();
  if (!options.png.empty() && !window.Saved()) return 1;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(std::vector<std::string_view>(argv + 1, argv + argc), options)) {
    std::cerr << "usage: wannianli-skin-preview [--png FILE] [--seconds N] [--today YYYY-MM-DD | SKIN_FILE]\n";
    return 2;
  }
#if defined(WANNIANLI_PREVIEW_ROOT)
  // A build tool: it finds the skin and yiji.db beside the program instead of beside itself.
  platform::SetExecutablePathOverride(WANNIANLI_PREVIEW_ROOT "wannianli");
#endif
  PreviewHost host;
  DuiLib::InstallHost(&host);
  int status = 0;
  if (options.today) {
    platform::SetClockSource(platform::FixedDateClock(options.today->year, options.today->month, options.today->day));
    ConnectFestivalLookups();
    preview::Previewing<preview::CalendarMonth> window;
    status = Run(host, window, options);
  } else {
    preview::Previewing<preview::SkinWindow> window(options.skinFile);
    status = Run(host, window, options);
  }
  DuiLib::InstallHost(nullptr);
  return status;
}
