// Timers, posted messages, the window lifecycle, the confirmation box, exceptions at the dispatch and the
// caption hit test, on the headless host.
#include "ui_test_support.h"

namespace uitest {
namespace {

class WindowTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    window = std::make_unique<TestWindow>(L"basic.xml", &finalCalls);
    hwnd = window->Open();
    ASSERT_NE(hwnd, nullptr);
    host.RunUntilIdle();
    window->notifications.clear();
  }
  int finalCalls = 0;
  std::unique_ptr<TestWindow> window;
  HWND hwnd = nullptr;
};

TEST_F(WindowTest, TimersTickWithTheVirtualClockUntilKilled) {
  CControlUI* cal = window->Find(L"body");
  CPaintManagerUI& pm = window->GetPaintManager();
  std::vector<WPARAM> ids;
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"timer" && msg.pSender == cal) ids.push_back(msg.wParam);
  };
  ASSERT_TRUE(pm.SetTimer(cal, 1001, 1000));
  ASSERT_TRUE(pm.SetTimer(cal, 7, 300));
  host.AdvanceTime(999);
  EXPECT_EQ(ids, (std::vector<WPARAM>{7, 7, 7}));
  host.AdvanceTime(1);
  EXPECT_EQ(ids.back(), 1001u);
  EXPECT_EQ(window->Count(L"timer:body"), 4);

  pm.KillTimer(cal);  // every timer of the control
  host.AdvanceTime(5000);
  EXPECT_EQ(window->Count(L"timer:body"), 4);
}

TEST_F(WindowTest, KillingOneTimerLeavesTheOthers) {
  CPaintManagerUI& pm = window->GetPaintManager();
  CControlUI* a = window->Find(L"btn_a");
  CControlUI* b = window->Find(L"btn_b");
  pm.SetTimer(a, 1, 100);
  pm.SetTimer(a, 2, 100);
  pm.SetTimer(b, 1, 100);
  EXPECT_TRUE(pm.KillTimer(a, 1));
  EXPECT_FALSE(pm.KillTimer(a, 1));
  host.AdvanceTime(100);
  EXPECT_EQ(window->notifications, (std::vector<std::wstring>{L"timer:btn_a", L"timer:btn_b"}));
}

TEST_F(WindowTest, AControlThatGoesAwayTakesItsTimersWithIt) {
  auto* body = window->FindAs<CContainerUI>(L"body");
  CControlUI* a = window->Find(L"btn_a");
  window->GetPaintManager().SetTimer(a, 1, 100);
  body->Remove(a);
  host.AdvanceTime(1000);
  EXPECT_TRUE(window->notifications.empty());
}

TEST_F(WindowTest, PostedMessagesArriveInOrderAfterTheCurrentOne) {
  const UINT kSelectDay = WM_USER + 10;
  bool arrivedDuringClick = false;
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType != L"click") return;
    window->PostMessage(kSelectDay, 5, 1);
    PostMessageW(hwnd, WM_USER + 11, 0, 0);
    arrivedDuringClick = !window->userMessages.empty();
  };
  ClickOn(hwnd, window->Find(L"btn_a"));
  EXPECT_FALSE(arrivedDuringClick);
  EXPECT_EQ(window->userMessages, (std::vector<UINT>{kSelectDay, WM_USER + 11}));
}

TEST_F(WindowTest, CloseRunsOnCloseThenDestructionThenTheFinalMessage) {
  window->Close(IDOK);
  EXPECT_NE(window->GetHWND(), nullptr) << "Close is queued";
  host.RunUntilIdle();
  EXPECT_EQ(window->closeCalls, 1);
  EXPECT_EQ(window->GetHWND(), nullptr);
  EXPECT_EQ(finalCalls, 1);
  EXPECT_TRUE(host.Windows().empty());
  EXPECT_FALSE(IsWindow(hwnd));
  window->Close(IDOK);  // nothing left to close
  host.RunUntilIdle();
  EXPECT_EQ(finalCalls, 1);
}

TEST_F(WindowTest, AWindowObjectCanOpenAgainAfterItsWindowClosed) {
  window->Close(2);
  host.RunUntilIdle();
  ASSERT_EQ(window->GetHWND(), nullptr);
  HWND again = window->Open();
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again, hwnd) << "handles are never reused";
  int paints = host.PaintCount(again);
  host.RunUntilIdle();
  EXPECT_EQ(host.PaintCount(again), paints + 1) << "the new window paints";
  window->PostToSelf(WM_USER + 3);
  ClickOn(again, window->Find(L"btn_a"));
  EXPECT_EQ(window->Count(L"click:btn_a"), 1);
  EXPECT_EQ(window->userMessages.back(), WM_USER + 3);
}

TEST_F(WindowTest, HeapWindowsDeleteThemselvesAndOthersLiveOn) {
  int boxFinals = 0;
  auto* first = new TestWindow(L"basic.xml", &boxFinals);
  auto* second = new TestWindow(L"basic.xml", &boxFinals);
  first->deleteOnFinal = second->deleteOnFinal = true;
  HWND h1 = first->Open();
  HWND h2 = second->Open();
  ASSERT_NE(h1, h2);
  host.Deliver(h1, WM_CLOSE, 0, 0);  // the window manager's close button
  host.RunUntilIdle();
  EXPECT_EQ(boxFinals, 1);
  EXPECT_FALSE(IsWindow(h1));
  ASSERT_TRUE(IsWindow(h2));
  auto* survivor = static_cast<TestWindow*>(CWindowWnd::FromHandle(h2));
  ClickOn(h2, survivor->Find(L"btn_a"));
  EXPECT_EQ(survivor->Count(L"click:btn_a"), 1);
  EXPECT_EQ(window->Count(L"click:btn_a"), 0) << "each window has its own manager";
  survivor->Close();
  host.RunUntilIdle();
  EXPECT_EQ(boxFinals, 2);
}

TEST_F(WindowTest, PositionSizeAndCentre) {
  window->CenterWindow();
  RECT rc;
  ASSERT_TRUE(GetWindowRect(hwnd, &rc));
  EXPECT_EQ(rc.Width(), 200) << "the skin's size";
  EXPECT_EQ(rc.left, (1920 - 200) / 2);
  window->ShrinkBy(100);
  RECT shrunk;
  GetWindowRect(hwnd, &shrunk);
  EXPECT_EQ(shrunk, (RECT{rc.left, rc.top, rc.right, rc.bottom - 100}));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  host.RunUntilIdle();
  EXPECT_EQ(window->Find(L"root")->GetPos().bottom, 60) << "the layout follows the new size";
}

TEST_F(WindowTest, QuitEndsTheMessageLoopWithItsCode) {
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"timer") PostQuitMessage(3);
  };
  window->GetPaintManager().SetTimer(window->Find(L"body"), 1, 500);
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), 3);
  EXPECT_EQ(host.TickCount(), 500u);
}

TEST_F(WindowTest, TheConfirmationBoxAnswersCancelUnlessTheTestSaysOtherwise) {
  EXPECT_EQ(MessageBoxW(nullptr, L"确认立即关机?", L"提示", MB_OKCANCEL | MB_ICONINFORMATION), IDCANCEL);
  host.SetModalAnswer(IDOK);
  EXPECT_EQ(MessageBoxW(hwnd, L"确认立即关机?", L"提示", MB_OKCANCEL | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(host.ModalLoopsRun(), 2);
  EXPECT_EQ(host.Windows().size(), 1u) << "the boxes are gone";
}

TEST_F(WindowTest, TheConfirmationBoxIsAFrameworkWindowWithOkAndCancel) {
  std::wstring shownText;
  host.SetModalScript([&](HWND box) {
    auto* wnd = dynamic_cast<WindowImplBase*>(CWindowWnd::FromHandle(box));
    ASSERT_NE(wnd, nullptr);
    CPaintManagerUI& pm = wnd->GetPaintManager();
    shownText = pm.FindControl(L"mb_text")->GetText();
    // Input to other windows is dropped while the box is up.
    ClickOn(hwnd, window->Find(L"btn_a"));
    ClickOn(box, pm.FindControl(L"mb_ok"));
  });
  EXPECT_EQ(MessageBox(hwnd, L"确认立即关机?", L"提示", MB_OKCANCEL), IDOK);
  EXPECT_EQ(shownText, L"确认立即关机?");
  EXPECT_EQ(window->Count(L"click:btn_a"), 0);

  host.SetModalScript([&](HWND box) { host.Key(box, VK_ESCAPE); });
  host.SetModalAnswer(IDOK);
  EXPECT_EQ(MessageBox(hwnd, L"?", L"", MB_OKCANCEL), IDCANCEL) << "Escape";
  host.SetModalScript([&](HWND box) { host.Key(box, VK_RETURN); });
  host.SetModalAnswer(IDCANCEL);
  EXPECT_EQ(MessageBox(hwnd, L"?", L"", MB_OKCANCEL), IDOK) << "Enter";
  ClickOn(hwnd, window->Find(L"btn_a"));
  EXPECT_EQ(window->Count(L"click:btn_a"), 1) << "input flows again after the box";
}

TEST_F(WindowTest, AnExceptionFromAHandlerIsReportedOnceAndTheLoopGoesOn) {
  struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
  };
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"click") throw DatabaseError("database is locked[5]: busy");
  };
  window->onMessage = [&](UINT uMsg, WPARAM, LPARAM) {
    if (uMsg == WM_USER + 1) throw std::logic_error("bad message");
  };
  testing::internal::CaptureStderr();
  ClickOn(hwnd, window->Find(L"btn_a"));
  ClickOn(hwnd, window->Find(L"btn_a"));
  window->PostMessage(WM_USER + 1);
  window->PostMessage(WM_USER + 2);
  host.RunUntilIdle();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(window->Count(L"click:btn_a"), 2);
  EXPECT_EQ(window->userMessages, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
  auto occurrences = [&](const std::string& needle) {
    int n = 0;
    for (auto pos = err.find(needle); pos != std::string::npos; pos = err.find(needle, pos + 1)) ++n;
    return n;
  };
  EXPECT_EQ(occurrences("database is locked[5]: busy"), 1) << err;
  EXPECT_EQ(occurrences("DatabaseError"), 1) << err;
  EXPECT_EQ(occurrences("bad message"), 1) << err;
  EXPECT_FALSE(window->FindAs<CButtonUI>(L"btn_a")->IsPushed()) << "the press ended cleanly";
}

class CaptionTest : public UiTest {};

TEST_F(CaptionTest, HitTestCodesFollowTheClassUnderThePoint) {
  TestWindow window(L"caption.xml");
  HWND hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  host.RunUntilIdle();
  RECT rc;
  GetWindowRect(hwnd, &rc);
  auto hit = [&](int x, int y) { return host.Deliver(hwnd, WM_NCHITTEST, 0, MAKELPARAM(rc.left + x, rc.top + y)); };
  const std::pair<const wchar_t*, LRESULT> expected[] = {
      {L"c_button", HTCLIENT}, {L"c_option", HTCLIENT},    {L"c_text", HTCLIENT},
      {L"c_combo", HTCLIENT},  {L"c_label", HTCLIENT},     {L"c_container", HTCLIENT},
      {L"c_edit", HTCLIENT},   {L"c_control", HTCAPTION},  {L"c_vertical", HTCAPTION},
  };
  for (auto [name, code] : expected) {
    CControlUI* c = window.Find(name);
    ASSERT_NE(c, nullptr) << name;
    POINT pt = Centre(c);
    EXPECT_EQ(hit(pt.x, pt.y), code) << "at x " << pt.x;
  }
  EXPECT_EQ(hit(250, 10), HTCAPTION) << "the bare horizontal layout";
  EXPECT_EQ(hit(2, 10), HTCLIENT) << "inside the left inset";
  EXPECT_EQ(hit(297, 10), HTCLIENT) << "inside the right inset";
  EXPECT_EQ(hit(250, 60), HTCLIENT) << "below the caption";

  // A press on a caption spot drags the window and clicks nothing.
  host.Drag(hwnd, 250, 10, 270, 30);
  RECT moved;
  GetWindowRect(hwnd, &moved);
  EXPECT_EQ(moved.left, rc.left + 20);
  EXPECT_EQ(moved.top, rc.top + 20);
  EXPECT_TRUE(window.notifications.size() == 1 && window.notifications[0] == L"windowinit:root");
}

}  // namespace
}  // namespace uitest
