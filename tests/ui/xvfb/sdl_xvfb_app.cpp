// The window the real-window tests drive with xdotool. It reports what happened to a status file (paints,
// clicks, window position, caption double clicks), written whole after every paint, move and caption
// double click so a script never reads half of it.
//   sdl_xvfb_app SKIN_ROOT STATUS_FILE X Y
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/host/sdl_host.h"
#include "ui/ui_framework.h"

namespace {

using namespace DuiLib;

class XvfbWindow : public WindowImplBase {
 public:
  explicit XvfbWindow(std::string status) : m_status(std::move(status)) {}
  LPCTSTR GetWindowClassName() const override { return L"XvfbWindow"; }

  void Notify(TNotifyUI& msg) override {
    if (msg.sType != L"click" || msg.pSender == nullptr) return;
    if (msg.pSender->GetName() == L"go") {
      ++m_clicks;
      m_PaintManager.FindControl(L"swatch")->SetBkColor(0xFF22AA22);
    } else if (msg.pSender->GetName() == L"quit") {
      Close(IDOK);
    }
  }

  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
    if (uMsg == WM_PAINT) ++m_paints;
    if (uMsg == WM_NCLBUTTONDBLCLK) ++m_captionDoubleClicks;
    if (uMsg == WM_PAINT || uMsg == WM_MOVE || uMsg == WM_NCLBUTTONDBLCLK) WriteStatus();
    return result;
  }

  void OnFinalMessage(HWND window) override {
    WindowImplBase::OnFinalMessage(window);
    PostQuitMessage(0);
  }

 protected:
  CDuiString GetSkinFolder() override { return L"sdl/"; }
  CDuiString GetSkinFile() override { return L"xvfb.xml"; }

 private:
  void WriteStatus() {
    RECT rc = GetWindowRect();
    std::string temp = m_status + ".tmp";
    {
      std::ofstream out(temp, std::ios::trunc);
      out << "paints=" << m_paints << " clicks=" << m_clicks << " x=" << rc.left << " y=" << rc.top
          << " dbl=" << m_captionDoubleClicks << "\n";
    }
    std::filesystem::rename(temp, m_status);
  }

  std::string m_status;
  int m_paints = 0;
  int m_clicks = 0;
  int m_captionDoubleClicks = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s SKIN_ROOT STATUS_FILE X Y\n", argv[0]);
    return 2;
  }
  std::unique_ptr<IHost> host = CreateSdlHost();
  if (!host) return 1;
  InstallHost(host.get());
  CPaintManagerUI::SetInstancePath(argv[1]);
  XvfbWindow window(argv[2]);
  if (window.Create(nullptr, L"wannianli-xvfb-test", UI_WNDSTYLE_FRAME & ~WS_VISIBLE, 0, 0, 0, 10, 10) == nullptr) {
    return 1;
  }
  window.SetWindowPos(HWND_TOP, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  return CPaintManagerUI::MessageLoop();
}
