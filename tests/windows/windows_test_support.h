#pragma once
// A fresh headless host with the skin folder the build writes beside the executables.
#include <gtest/gtest.h>

#include "ui/host/headless_host.h"
#include "ui/ui_framework.h"

namespace windowstest {

using namespace DuiLib;

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallHost(&host);
    CPaintManagerUI::SetInstancePath(WANNIANLI_OUTPUT_DIR);
  }
  void TearDown() override {
    CPaintManagerUI::SetInstancePath("");
    InstallHost(nullptr);
  }
  // Clicks the centre of a control, after pending layout.
  void ClickOn(HWND window, CControlUI* control) {
    host.RunUntilIdle();
    const RECT& rc = control->GetPos();
    host.Click(window, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  }

  HeadlessHost host;
};

}  // namespace windowstest
