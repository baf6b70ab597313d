// wannianli-skin-preview [--png FILE] [--seconds N] [SKIN_FILE]
// Opens the skin file (main.xml by default) from skin/ beside the program as a framework window on the Win32
// host, centred on the screen. --png writes the first painted frame to FILE and closes; --seconds closes the
// window after N seconds; without either it stays until closed (Alt+F4). No control does anything.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "ui/host/win32_host.h"
#include "ui/render/gdiplus_canvas.h"
#include "ui/ui_framework.h"

namespace {

constexpr std::uintptr_t kPngTimer = 0x5EED1;
constexpr std::uintptr_t kCloseTimer = 0x5EED2;

struct Options {
  std::string png;
  int seconds = 0;
  std::wstring skinFile = L"main.xml";
};

class PreviewWindow : public DuiLib::WindowImplBase {
 public:
  PreviewWindow(DuiLib::Win32Host& host, Options options) : m_host(host), m_options(std::move(options)) {}

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"WannianliSkinPreview"; }
  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return m_options.skinFile; }

  void Start() {
    if (!m_options.png.empty()) m_host.SetTimer(GetHWND(), kPngTimer, 100);
    if (m_options.seconds > 0) {
      m_host.SetTimer(GetHWND(), kCloseTimer, static_cast<DuiLib::UINT>(m_options.seconds) * 1000);
    }
  }

  bool Saved() const { return m_saved; }

  DuiLib::LRESULT HandleMessage(DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override {
    if (message == DuiLib::WM_TIMER && wParam == kPngTimer) {
      // Timers come after paints: once there is a frame, it is the first painted one.
      if (DuiLib::GdiplusFrame* frame = m_host.Frame(GetHWND())) {
        m_host.KillTimer(GetHWND(), kPngTimer);
        m_saved = frame->SavePng(m_options.png);
        Close(0);
      }
      return 0;
    }
    if (message == DuiLib::WM_TIMER && wParam == kCloseTimer) {
      Close(0);
      return 0;
    }
    return WindowImplBase::HandleMessage(message, wParam, lParam);
  }

  void OnFinalMessage(DuiLib::HWND window) override {
    WindowImplBase::OnFinalMessage(window);
    DuiLib::PostQuitMessage(0);
  }

 private:
  DuiLib::Win32Host& m_host;
  Options m_options;
  bool m_saved = false;
};

bool ParseOptions(const std::vector<std::string_view>& arguments, Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--png" && i + 1 < arguments.size()) {
      options.png = arguments[++i];
    } else if (arguments[i] == "--seconds" && i + 1 < arguments.size()) {
      std::string_view const n = arguments[++i];
      auto const [end, error] = std::from_chars(n.data(), n.data() + n.size(), options.seconds);
      if (error != std::errc() || end != n.data() + n.size() || options.seconds <= 0) return false;
    } else if (!arguments[i].starts_with("--")) {
      options.skinFile = platform::Utf8ToWide(arguments[i]);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(std::vector<std::string_view>(argv + 1, argv + argc), options)) {
    std::cerr << "usage: wannianli-skin-preview [--png FILE] [--seconds N] [SKIN_FILE]\n";
    return 2;
  }
  DuiLib::Win32Host host;
  DuiLib::InstallHost(&host);
  PreviewWindow window(host, options);
  if (window.Create(nullptr, L"wannianli", DuiLib::UI_WNDSTYLE_FRAME, 0) == nullptr) {
    DuiLib::InstallHost(nullptr);
    return 1;  // the skin error is on standard error already
  }
  window.CenterWindow();
  window.ShowWindow(true, true);
  window.Start();
  int const status = host.RunMessageLoop();
  DuiLib::InstallHost(nullptr);
  if (!options.png.empty() && !window.Saved()) return 1;
  return status;
}
