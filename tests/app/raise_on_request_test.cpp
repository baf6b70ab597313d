// The running widget's answer to a later start: requests are taken on the window's own ticks, and the
// backup timer wakes the widget only while nothing else ticks.
#include "app/raise_on_request.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "tests/ui/ui_test_support.h"

namespace {

using namespace DuiLib;

constexpr std::uintptr_t kBackupTimer = std::numeric_limits<std::uintptr_t>::max() - 3;

// Counts the backup timer's ticks; added before the watcher, so it sees them first.
class BackupTicks : public IMessageFilterUI {
 public:
  LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM, bool&) override {
    if (message == WM_TIMER && wParam == kBackupTimer) ++count;
    return 0;
  }
  int count = 0;
};

// The claim's lock and socket go into a runtime folder of the test's own (short: a socket path has a limit).
class RaiseOnRequestTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    CPaintManagerUI::SetInstancePath(WANNIANLI_SOURCE_DIR "/tests/ui/data");
#if !defined(_WIN32)
    if (const char* previous = std::getenv("XDG_RUNTIME_DIR")) previousRuntime = previous;
    std::filesystem::create_directories(runtime);
    setenv("XDG_RUNTIME_DIR", runtime.string().c_str(), 1);
#endif
  }
  void TearDown() override {
#if !defined(_WIN32)
    if (previousRuntime) setenv("XDG_RUNTIME_DIR", previousRuntime->c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
#endif
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
    UiTest::TearDown();
  }

  std::filesystem::path const runtime =
      std::filesystem::temp_directory_path() / ("wl-raise-" + std::to_string(std::random_device{}()));
  std::optional<std::string> previousRuntime;
};

TEST_F(RaiseOnRequestTest, AnsweredOnTheClocksTickAndTheBackupNeverWakesBetweenTicks) {
  platform::InstanceIdentity const identity{"raise-test", L"TestWindow", L"TestWindow"};
  platform::SingleInstance first(identity);
  if (!first.ListensForRequests()) {
    GTEST_SKIP() << "no request socket here (Windows raises the window itself): " << first.Problem();
  }
  uitest::TestWindow window(L"basic.xml");
  HWND const handle = window.Open();
  BackupTicks backup;
  window.GetPaintManager().AddPreMessageFilter(&backup);
  app::RaiseOnRequest const raiser(first, window);

  // Nothing else ticks: the backup looks for requests every 5 s.
  host.AdvanceTime(12'000);
  EXPECT_EQ(backup.count, 2);

  // A clock ticking every second: each tick pushes the backup back, so it never fires.
  host.SetTimer(handle, 1, 1000);
  host.AdvanceTime(20'000);
  EXPECT_EQ(backup.count, 2);

  // A later start's request is answered on the clock's next tick.
  host.ShowNativeWindow(handle, false, false);
  platform::SingleInstance later(identity);
  ASSERT_EQ(later.GetRole(), platform::SingleInstance::Role::later);
  ASSERT_TRUE(later.AskFirstToRaise());
  host.AdvanceTime(1000);
  EXPECT_TRUE(host.IsNativeWindowVisible(handle));
  EXPECT_EQ(backup.count, 2);

  host.KillTimer(handle, 1);
  window.GetPaintManager().RemovePreMessageFilter(&backup);
}

}  // namespace
