// The skin loader on hostile input: the bytes are a skin file; it is parsed, the window laid out and painted
// on the headless host, and a click, a hover and a key reach it. A skin error is a normal outcome; a crash,
// a sanitizer report, a hang or a leak is a fault.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/host/headless_host.h"
#include "ui/render/render_frame.h"
#include "ui/ui_framework.h"

namespace {

using namespace DuiLib;

class FuzzWindow : public WindowImplBase {
 public:
  explicit FuzzWindow(std::string xml) : m_xml(std::move(xml)) {}
  LPCTSTR GetWindowClassName() const override { return L"FuzzWindow"; }

 protected:
  CDuiString GetSkinFolder() override { return L"skin/"; }
  CDuiString GetSkinFile() override { return L"fuzz.xml"; }
  std::string GetSkinText() override { return m_xml; }

 private:
  std::string m_xml;
};

HeadlessHost& Host() {
  static HeadlessHost host;
  return host;
}

}  // namespace

// A skin folder with one good image ("a.png") and one that is not a PNG ("b.png") for the inputs to name.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  auto const folder = std::filesystem::temp_directory_path() / "wannianli-fuzz-skin";
  std::filesystem::create_directories(folder / "skin");
  RenderFrame image(4, 4);
  image.Canvas().FillRect(RECT{0, 0, 4, 2}, 0xFF00FF00);
  image.SavePng((folder / "skin" / "a.png").string());
  std::ofstream(folder / "skin" / "b.png") << "not a PNG";
  CPaintManagerUI::SetInstancePath(folder.string());
  InstallHost(&Host());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // an empty text means "read the file" to the window
  FuzzWindow window(std::string(reinterpret_cast<const char*>(data), size));
  HWND const handle = window.Create(nullptr, L"fuzz", UI_WNDSTYLE_FRAME, 0, 0, 0, 100, 100);
  if (handle == nullptr) return 0;
  HeadlessHost& host = Host();
  host.RunUntilIdle();
  host.MoveMouse(handle, 20, 20);
  host.Click(handle, 50, 50);
  host.Key(handle, VK_DOWN);
  host.TypeChar(handle, U'字');
  host.AdvanceTime(600);  // a tooltip shows
  host.RunUntilIdle();
  return 0;
}
