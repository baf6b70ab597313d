// ui-demo: the framework's controls on one window.
//   ui-demo                     a real window (SDL2 host); drag it by the title band, close with ×; what
//                               was typed into the multi-line field is printed (UTF-8) when it ends
//   ui-demo --snapshot FILE.png no display (headless host): the window as it opens, with the pointer resting
//                               on the image button so its tooltip shows, saved as PNG
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "ui/demo/demo_window.h"
#include "ui/host/headless_host.h"
#include "ui/host/sdl_host.h"

namespace {

using namespace DuiLib;

int Snapshot(const std::string& file) {
  HeadlessHost host;
  InstallHost(&host);
  demo::DemoWindow window;
  if (window.Create(nullptr, L"ui-demo", UI_WNDSTYLE_FRAME, 0, 0, 0, 10, 10) == nullptr) return 1;
  host.RunUntilIdle();
  if (CControlUI* button = window.GetPaintManager().FindControl(L"btn_image")) {
    RECT rc = button->GetPos();
    host.MoveMouse(window.GetHWND(), rc.left + 20, rc.top + 10);
    host.AdvanceTime(CPaintManagerUI::kToolTipDelayMs + 100);
  }
  bool saved = host.SavePng(window.GetHWND(), file);
  window.DestroyWindow();
  return saved ? 0 : 1;
}

int Run() {
  std::unique_ptr<IHost> host = CreateSdlHost();
  if (!host) return 1;
  InstallHost(host.get());
  // Heap-free: the window lives on this frame and ends the loop from its final message.
  demo::DemoWindow window;
  if (window.Create(nullptr, L"wannianli UI demo", UI_WNDSTYLE_FRAME & ~WS_VISIBLE, 0, 0, 0, 10, 10) == nullptr) return 1;
  window.CenterWindow();
  window.ShowWindow(true, true);
  int const code = CPaintManagerUI::MessageLoop();
  if (window.NoteTyped()) std::printf("%s\n", platform::WideToUtf8(window.NoteText()).c_str());
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--snapshot") return Snapshot(argv[2]);
  if (argc == 1) return Run();
  std::fprintf(stderr, "usage: %s [--snapshot FILE.png]\n", argv[0]);
  return 2;
}
