#pragma once
// A window built from a test skin on the headless host, recording what reaches it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ui/host/headless_host.h"
#include "ui/ui_framework.h"

namespace uitest {

using namespace DuiLib;

class TestWindow : public WindowImplBase {
 public:
  explicit TestWindow(std::wstring skinFile, int* finalCalls = nullptr)
      : m_skinFile(std::move(skinFile)), m_finalCalls(finalCalls) {}

  LPCTSTR GetWindowClassName() const override { return L"TestWindow"; }

  void Notify(TNotifyUI& msg) override {
    notifications.push_back(msg.sType + L":" + (msg.pSender != nullptr ? msg.pSender->GetName() : L"-"));
    if (onNotify) onNotify(msg);
  }

  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg >= WM_USER) userMessages.push_back(uMsg);
    if (onMessage) onMessage(uMsg, wParam, lParam);
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  }

  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) override {
    ++closeCalls;
    return WindowImplBase::OnClose(uMsg, wParam, lParam, handled);
  }

  void OnFinalMessage(HWND window) override {
    WindowImplBase::OnFinalMessage(window);
    if (m_finalCalls != nullptr) ++*m_finalCalls;
    if (deleteOnFinal) delete this;
  }

  // Window code calls the Windows-style functions by their plain names, as the program's windows do.
  void ShrinkBy(int pixels) {
    RECT rc;
    GetWindowRect(GetHWND(), &rc);
    SetWindowPos(GetHWND(), HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top - pixels,
                 SWP_SHOWWINDOW);
  }
  void PostToSelf(UINT message) { PostMessageW(GetHWND(), message, 0, 0); }

  HWND Open() { return Create(nullptr, L"TestWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 100, 100); }
  CControlUI* Find(std::wstring_view name) { return m_PaintManager.FindControl(name); }
  template <typename T>
  T* FindAs(std::wstring_view name) {
    return dynamic_cast<T*>(Find(name));
  }
  int Count(const std::wstring& entry) const {
    return static_cast<int>(std::count(notifications.begin(), notifications.end(), entry));
  }

  std::vector<std::wstring> notifications;
  std::vector<UINT> userMessages;
  std::function<void(TNotifyUI&)> onNotify;
  std::function<void(UINT, WPARAM, LPARAM)> onMessage;
  int closeCalls = 0;
  bool deleteOnFinal = false;

 protected:
  CDuiString GetSkinFolder() override { return L"skin\\"; }
  CDuiString GetSkinFile() override { return m_skinFile; }

 private:
  std::wstring m_skinFile;
  int* m_finalCalls;
};

// Installs a fresh headless host and points the skin folders at the test data.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallHost(&host);
    CPaintManagerUI::SetInstancePath(WANNIANLI_TEST_DATA_DIR);
  }
  void TearDown() override { CPaintManagerUI::SetInstancePath(""); }

  // Centre of a control's rectangle in client coordinates, once pending layout and paints are done.
  POINT Centre(CControlUI* control) {
    host.RunUntilIdle();
    const RECT& rc = control->GetPos();
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }
  void ClickOn(HWND window, CControlUI* control) {
    POINT pt = Centre(control);
    host.Click(window, pt.x, pt.y);
  }

  HeadlessHost host;
};

// A fresh folder for one test's files, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder()
      : path(std::filesystem::temp_directory_path() /
             ("wannianli-ui-" + std::to_string(std::random_device{}()) + "-" +
              testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories((path / name).parent_path());
    std::ofstream(path / name, std::ios::binary) << bytes;
    return (path / name).string();
  }

  const std::filesystem::path path;
};

}  // namespace uitest
