// The window's own actions: shrinking and enlarging, tool boxes, the shutdown confirmation, the key
// filter, caption hit tests and double-clicks, closing.
#include <filesystem>

#include "grid/grid_constants.h"
#include "platform/command_runner.h"
#include "widget_fixture.h"
#include "windows/soft_box_window.h"

namespace {

using namespace e2e;

// Pictures for a reviewer's eye in build/app_snapshots/.
void Save(HeadlessHost& host, HWND window, const std::string& name) {
  std::filesystem::create_directories(WANNIANLI_SNAPSHOT_DIR);
  EXPECT_TRUE(host.SavePng(window, WANNIANLI_SNAPSHOT_DIR "/" + name));
}

using WindowActionsTest = WidgetTest;

TEST_F(WindowActionsTest, ShrinkKeepsTheHeaderAndEnlargeBringsTheBackgroundBack) {
  auto& w = Open();
  RECT const start = w.GetWindowRect();
  ASSERT_EQ(start.Height(), 494);
  ClickOn(L"btn_suoxiao");
  RECT const shrunk = w.GetWindowRect();
  EXPECT_EQ(shrunk.Height(), 128);
  EXPECT_EQ(shrunk.left, start.left);
  EXPECT_EQ(shrunk.top, start.top);
  EXPECT_EQ(shrunk.Width(), 336);
  EXPECT_EQ(w.Find(L"root_bg")->GetBkImage(), L"");
  EXPECT_EQ(w.Find(L"root_bg")->GetBkColor(), 0xFF278ADFu);
  EXPECT_FALSE(w.Find(L"btn_suoxiao")->IsVisible());
  EXPECT_TRUE(w.Find(L"btn_fangda")->IsVisible());
  // The flat header shows where the gradient image was.
  EXPECT_EQ(host.Pixel(Handle(), 150, 20) & 0xFFFFFF, 0x278ADFu);
  Save(host, Handle(), "shrunk.png");
  ClickOn(L"btn_fangda");
  RECT const back = w.GetWindowRect();
  EXPECT_EQ(back.Height(), 494);
  EXPECT_EQ(back.top, start.top);
  EXPECT_EQ(w.Find(L"root_bg")->GetBkImage(), L"main_bg.png");
  EXPECT_TRUE(w.Find(L"btn_suoxiao")->IsVisible());
  EXPECT_FALSE(w.Find(L"btn_fangda")->IsVisible());
}

TEST_F(WindowActionsTest, EachAppClickOpensOneMoreIndependentToolBox) {
  auto& w = Open();
  ClickOn(L"btn_app");
  ClickOn(L"btn_app");
  auto const windows = host.Windows();
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 2);
  auto* first = dynamic_cast<SoftBoxWindow*>(CWindowWnd::FromHandle(windows[1]));
  auto* second = dynamic_cast<SoftBoxWindow*>(CWindowWnd::FromHandle(windows[2]));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  auto click = [this](SoftBoxWindow* box, std::wstring_view name) {
    host.RunUntilIdle();
    const RECT& rc = box->GetPaintManager().FindControl(name)->GetPos();
    host.Click(box->GetHWND(), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  };
  Save(host, windows[2], "tool_box.png");
  click(first, L"btn_tools_fold");
  Save(host, windows[1], "tool_box_folded.png");
  EXPECT_FALSE(first->GetPaintManager().FindControl(L"hor_tools")->IsVisible());
  EXPECT_TRUE(second->GetPaintManager().FindControl(L"hor_tools")->IsVisible());
  click(second, L"btn_soft_box_close");
  EXPECT_EQ(host.Windows(), (std::vector<HWND>{Handle(), windows[1]}));
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 1);
  // The main window goes on as before.
  EXPECT_FALSE(host.QuitPosted());
  ClickOn(L"btn_next_month");
  EXPECT_EQ(w.MonthIndex(), 3);
}

TEST_F(WindowActionsTest, ShutdownAnsweredCancelDoesNothing) {
  Open();
  ClickOn(L"btn_shutdown");
  EXPECT_EQ(host.ModalLoopsRun(), 1);
  EXPECT_TRUE(commandsRun.empty());
  EXPECT_TRUE(WindowAlive());
}

TEST_F(WindowActionsTest, ShutdownAnsweredOkRunsThePowerOffCommandLineThroughTheRunner) {
  Open();
  std::wstring asked;
  // The box's own OK button is clicked, as a user would.
  host.SetModalScript([&](HWND box) {
    auto* boxWindow = dynamic_cast<WindowImplBase*>(CWindowWnd::FromHandle(box));
    ASSERT_NE(boxWindow, nullptr);
    auto& pm = boxWindow->GetPaintManager();
    asked = pm.FindControl(L"mb_caption")->GetText() + L"|" + pm.FindControl(L"mb_text")->GetText();
    EXPECT_TRUE(commandsRun.empty()) << "nothing runs before the answer";
    host.RunUntilIdle();
    Save(host, box, "shutdown_box.png");
    const RECT& ok = pm.FindControl(L"mb_ok")->GetPos();
    host.Click(box, (ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
  });
  ClickOn(L"btn_shutdown");
  EXPECT_EQ(asked, L"提示|确认立即关机?");
  EXPECT_EQ(commandsRun, std::vector<std::string>{"systemctl poweroff"});
  EXPECT_EQ(commandsRun.front(), platform::PowerOffCommandLine());
}

TEST_F(WindowActionsTest, EnterAndEscapeNeverReachTheDefaultKeyHandling) {
  auto& w = Open();
  for (auto key : {VK_ESCAPE, VK_RETURN}) {
    bool handled = false;
    EXPECT_EQ(w.MessageHandler(WM_KEYDOWN, key, 0, handled), 0);
    EXPECT_FALSE(handled);
    host.Key(Handle(), key);
  }
  EXPECT_TRUE(WindowAlive());
  EXPECT_FALSE(host.QuitPosted());
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  // Other keys and other messages: result 0.
  bool handled = false;
  EXPECT_EQ(w.MessageHandler(WM_KEYDOWN, 'A', 0, handled), 0);
  EXPECT_EQ(w.MessageHandler(WM_MOUSEMOVE, 0, 0, handled), 0);
  EXPECT_FALSE(handled);
}

TEST_F(WindowActionsTest, OnlyTheHeadersBareBackgroundIsCaption) {
  auto& w = Open();
  RECT const rc = w.GetWindowRect();
  auto hit = [&](int x, int y) { return host.Deliver(Handle(), WM_NCHITTEST, 0, MAKELPARAM(rc.left + x, rc.top + y)); };
  EXPECT_EQ(hit(160, 12), HTCAPTION);   // between the temperature label and the buttons
  EXPECT_EQ(hit(5, 120), HTCAPTION);    // left of the 宜/忌 marks
  EXPECT_EQ(hit(198, 14), HTCLIENT);    // btn_app
  EXPECT_EQ(hit(40, 50), HTCLIENT);     // now_day, a label
  EXPECT_EQ(hit(200, 60), HTCLIENT);    // now_lunarYear, a label
  EXPECT_EQ(hit(160, 140), HTCLIENT);   // below the caption: the navigation row
  EXPECT_EQ(hit(300, 300), HTCLIENT);   // the grid
  EXPECT_EQ(w.City().GetHWND(), nullptr);  // dormant: nothing to close
}

TEST_F(WindowActionsTest, ACaptionPressAndClosingTheMainWindowCloseAnOpenCityWindow) {
  auto& w = Open();
  RECT const rc = w.GetWindowRect();
  ASSERT_NE(w.City().Create(nullptr, L"SelectCityWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  host.Deliver(Handle(), WM_NCHITTEST, 0, MAKELPARAM(rc.left + 40, rc.top + 50));  // a label: no
  host.RunUntilIdle();
  EXPECT_NE(w.City().GetHWND(), nullptr);
  host.Deliver(Handle(), WM_NCHITTEST, 0, MAKELPARAM(rc.left + 160, rc.top + 12));
  host.RunUntilIdle();
  EXPECT_EQ(w.City().GetHWND(), nullptr);
  ASSERT_NE(w.City().Create(nullptr, L"SelectCityWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  HWND const city = w.City().GetHWND();
  host.Deliver(Handle(), WM_CLOSE, 0, 0);
  host.RunUntilIdle();
  EXPECT_FALSE(WindowAlive());
  EXPECT_EQ(CWindowWnd::FromHandle(city), nullptr);
}

TEST_F(WindowActionsTest, ACaptionDoubleClickNeitherMaximisesNorMoves) {
  auto& w = Open();
  RECT const before = w.GetWindowRect();
  host.DoubleClick(Handle(), 160, 12);
  EXPECT_EQ(w.HandleMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0), 1);
  RECT const after = w.GetWindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.Width(), before.Width());
  EXPECT_EQ(after.Height(), before.Height());
}

TEST_F(WindowActionsTest, CloseButtonEndsTheLoopWithStatus0AndStopsTheClock) {
  auto& w = Open();
  ClickOn(L"btn_close");
  EXPECT_TRUE(host.QuitPosted());
  EXPECT_EQ(host.ExitCode(), 0);
  auto const time = w.Text(L"now_time");
  Tick(3);
  EXPECT_EQ(w.Text(L"now_time"), time);
  EXPECT_TRUE(WindowAlive());  // the program deletes it after the loop
}

TEST_F(WindowActionsTest, AWindowManagerCloseEndsTheProgramWithStatus0) {
  Open();
  ClickOn(L"btn_app");
  host.Deliver(Handle(), WM_CLOSE, 0, 0);
  host.RunUntilIdle();
  EXPECT_FALSE(WindowAlive());  // the object deleted itself
  EXPECT_TRUE(host.QuitPosted());
  EXPECT_EQ(host.ExitCode(), 0);
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 1);  // closed by the program after its loop
}

}  // namespace
