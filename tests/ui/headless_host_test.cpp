// The headless host's own promises: queue order, time, paints, drags and the message loop.
#include "ui_test_support.h"

namespace uitest {
namespace {

TEST_F(UiTest, TimersOfSeveralWindowsFireInTimeOrder) {
  TestWindow a(L"basic.xml");
  TestWindow b(L"basic.xml");
  HWND ha = a.Open();
  HWND hb = b.Open();
  std::vector<std::wstring> order;
  a.onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"timer") order.push_back(L"a" + std::to_wstring(host.TickCount()));
  };
  b.onNotify = [&](TNotifyUI& msg) {
    if (msg.sType != L"timer") return;
    order.push_back(L"b" + std::to_wstring(host.TickCount()));
    a.GetPaintManager().KillTimer(a.Find(L"root"));  // b's first tick stops a
  };
  a.GetPaintManager().SetTimer(a.Find(L"root"), 1, 100);
  b.GetPaintManager().SetTimer(b.Find(L"root"), 1, 250);
  host.AdvanceTime(600);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"a100", L"a200", L"b250", L"b500"}));
  EXPECT_NE(ha, hb);
}

TEST_F(UiTest, MessagesForAWindowThatWentAwayAreDropped) {
  auto* doomed = new TestWindow(L"basic.xml");
  doomed->deleteOnFinal = true;
  HWND h = doomed->Open();
  doomed->PostMessage(WM_USER + 1);
  doomed->GetPaintManager().SetTimer(doomed->Find(L"root"), 1, 10);
  doomed->DestroyWindow();  // deletes the object
  host.AdvanceTime(100);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(PostMessage(h, WM_USER + 2, 0, 0));
  EXPECT_TRUE(host.Windows().empty());
}

TEST_F(UiTest, TheMessageLoopGivesUpWhenNothingCanEverHappen) {
  TestWindow w(L"basic.xml");
  w.Open();
  testing::internal::CaptureStderr();
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), -1) << "no timers, no quit";
  w.GetPaintManager().SetTimer(w.Find(L"root"), 1, 1000);
  host.SetLoopTimeLimit(5000);
  EXPECT_EQ(CPaintManagerUI::MessageLoop(), -1) << "a clock that never quits";
  EXPECT_NE(testing::internal::GetCapturedStderr().find("without a quit message"), std::string::npos);
  EXPECT_EQ(w.Count(L"timer:root"), 5);
}

TEST_F(UiTest, AnInvalidationStormIsOnePaint) {
  TestWindow w(L"basic.xml");
  HWND h = w.Open();
  host.RunUntilIdle();
  int paints = host.PaintCount(h);
  for (int i = 0; i < 50; ++i) w.Find(L"lbl")->SetText(std::to_wstring(i));
  w.PostMessage(WM_USER + 1);
  w.onMessage = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_USER + 1) {
      EXPECT_EQ(host.PaintCount(h), paints) << "posted messages come before the paint";
    }
  };
  host.RunUntilIdle();
  EXPECT_EQ(host.PaintCount(h), paints + 1);
}

TEST_F(UiTest, ADoubleClickOnTheCaptionIsANonClientDoubleClick) {
  TestWindow w(L"basic.xml");
  HWND h = w.Open();
  std::vector<UINT> seen;
  w.onMessage = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_NCLBUTTONDBLCLK || m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) seen.push_back(m);
  };
  host.DoubleClick(h, 100, 10);  // the caption bar: a bare control
  EXPECT_EQ(seen, std::vector<UINT>{WM_NCLBUTTONDBLCLK});
  seen.clear();
  POINT a = Centre(w.Find(L"btn_a"));
  host.DoubleClick(h, a.x, a.y);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  EXPECT_EQ(w.Count(L"click:btn_a"), 2) << "each press and release is a click";
}

TEST_F(UiTest, APressCapturesTheMouseUntilTheRelease) {
  TestWindow w(L"basic.xml");
  HWND h = w.Open();
  POINT a = Centre(w.Find(L"btn_a"));
  host.Press(h, a.x, a.y);
  EXPECT_TRUE(host.HasCapture(h));
  host.Release(h, 500, 500);
  EXPECT_FALSE(host.HasCapture(h));
  EXPECT_EQ(w.Count(L"click:btn_a"), 0);
}

// A message filter sees keys before any control: here it keeps Escape from closing the drop-down list.
class EscapeEater : public IMessageFilterUI {
 public:
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& handled) override {
    if (uMsg == WM_KEYDOWN && wParam == VK_ESCAPE) handled = true;
    return 0;
  }
};

TEST_F(UiTest, PreFiltersSeeMessagesBeforeTheControls) {
  TestWindow w(L"basic.xml");
  HWND h = w.Open();
  EscapeEater eater;
  w.GetPaintManager().AddPreMessageFilter(&eater);
  auto* combo = w.FindAs<CComboUI>(L"com");
  ClickOn(h, combo);
  host.Key(h, VK_ESCAPE);
  EXPECT_TRUE(combo->IsDropped());
  w.GetPaintManager().RemovePreMessageFilter(&eater);
  host.Key(h, VK_ESCAPE);
  EXPECT_FALSE(combo->IsDropped());
}

}  // namespace
}  // namespace uitest
