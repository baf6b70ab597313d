// Framework windows on the SDL host: a skin built, clicked through SDL events, shown with one upload, and
// the confirmation box answered from the keyboard.
#include <array>

#include "sdl_test_support.h"
#include "ui/ui_framework.h"

namespace sdltest {
namespace {

class PanelWindow : public WindowImplBase {
 public:
  LPCTSTR GetWindowClassName() const override { return L"PanelWindow"; }
  void Notify(TNotifyUI& msg) override {
    notifications.push_back(msg.sType + L":" + (msg.pSender != nullptr ? msg.pSender->GetName() : L"-"));
    if (msg.sType == L"click" && msg.pSender->GetName() == L"go") {
      m_PaintManager.FindControl(L"swatch")->SetBkColor(0xFF22AA22);
    }
  }
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg >= WM_USER && onUser) onUser(uMsg);
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  }
  std::vector<std::wstring> notifications;
  std::function<void(UINT)> onUser;

 protected:
  CDuiString GetSkinFolder() override { return L"sdl/"; }
  CDuiString GetSkinFile() override { return L"panel.xml"; }
};

class SdlFramework : public SdlHostTest {
 protected:
  void SetUp() override {
    SdlHostTest::SetUp();
    CPaintManagerUI::SetInstancePath(WANNIANLI_TEST_DATA_DIR);
    ASSERT_NE(window.Create(nullptr, L"PanelWindow", UI_WNDSTYLE_FRAME, 0, 100, 100, 10, 10), nullptr)
        << window.GetSkinError();
    host->RunUntilIdle();
  }
  void TearDown() override {
    window.DestroyWindow();
    SdlHostTest::TearDown();
  }
  // A pixel of what the window shows now, read back from its framebuffer as 0xAARRGGBB.
  DWORD Shown(int x, int y) {
    SDL_Surface* shown = SDL_GetWindowSurface(host->SdlWindowOf(window.GetHWND()));
    EXPECT_NE(shown, nullptr) << SDL_GetError();
    if (shown == nullptr) return 0;
    auto const* at = static_cast<const std::uint8_t*>(shown->pixels) + y * shown->pitch + x * shown->format->BytesPerPixel;
    DWORD pixel = 0;
    EXPECT_EQ(SDL_ConvertPixels(1, 1, shown->format->format, at, shown->pitch, SDL_PIXELFORMAT_ARGB8888, &pixel, 4), 0);
    return pixel | 0xFF000000;
  }

  PanelWindow window;
};

TEST_F(SdlFramework, TheSkinSizesTheNativeWindow) {
  int cx = 0, cy = 0;
  SDL_GetWindowSize(host->SdlWindowOf(window.GetHWND()), &cx, &cy);
  EXPECT_EQ(cx, 160);
  EXPECT_EQ(cy, 100);
  EXPECT_EQ(window.notifications.front(), L"windowinit:panel");
}

TEST_F(SdlFramework, TheFrameReachesTheWindowWithItsColours) {
  EXPECT_EQ(Shown(5, 5), 0xFF3366CCu);     // panel
  EXPECT_EQ(Shown(120, 55), 0xFFCC2222u);  // swatch
}

TEST_F(SdlFramework, AClickThroughSdlEventsRaisesClickAndRepaints) {
  Click(window.GetHWND(), 50, 55);
  EXPECT_EQ(std::count(window.notifications.begin(), window.notifications.end(), L"click:go"), 1);
  EXPECT_EQ(Shown(120, 55), 0xFF22AA22u);
}


TEST_F(SdlFramework, AResizedWindowIsPaintedWholeIntoItsNewFramebuffer) {
  window.ResizeClient(200, 120);
  host->RunUntilIdle();
  EXPECT_EQ(SDL_GetWindowSurface(host->SdlWindowOf(window.GetHWND()))->w, 200);
  EXPECT_EQ(Shown(5, 5), 0xFF3366CCu);
  EXPECT_EQ(Shown(190, 110), 0xFF3366CCu);  // only the new surface has this pixel
  EXPECT_EQ(Shown(120, 55), 0xFFCC2222u);
}

// The confirmation box on the SDL host: `press` is sent to the box once it runs.
int AnswerBox(SdlHost& host, PanelWindow& owner, const std::function<void(HWND box)>& press) {
  owner.onUser = [&](UINT m) {
    if (m != WM_USER + 7) return;
    CWindowWnd* box = GetActiveModalWindow();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box, &owner);
    press(box->GetHWND());
  };
  owner.PostMessage(WM_USER + 7);
  int answer = MessageBox(owner.GetHWND(), L"关机？", L"确认", MB_OKCANCEL);
  host.RunUntilIdle();
  return answer;
}

TEST_F(SdlFramework, TheConfirmationBoxAnswersOkToEnter) {
  int answer = AnswerBox(*host, window, [&](HWND box) {
    SDL_Event key = KeyEvent(IdOf(box), SDLK_RETURN);
    SDL_PushEvent(&key);
  });
  EXPECT_EQ(answer, IDOK);
}

TEST_F(SdlFramework, TheConfirmationBoxAnswersCancelToEscape) {
  int answer = AnswerBox(*host, window, [&](HWND box) {
    SDL_Event key = KeyEvent(IdOf(box), SDLK_ESCAPE);
    SDL_PushEvent(&key);
  });
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(SdlFramework, TheConfirmationBoxAnswersCancelWhenTheWindowManagerClosesIt) {
  int answer = AnswerBox(*host, window, [&](HWND box) {
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = IdOf(box);
    SDL_PushEvent(&close);
  });
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(SdlFramework, QuittingWhileTheConfirmationBoxIsUpNeverConfirms) {
  int answer = AnswerBox(*host, window, [&](HWND) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  });
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_EQ(host->RunMessageLoop(), 0);  // the quit request still ends the program's loop
}

TEST_F(SdlFramework, WhileTheBoxRunsTheOwnerTakesNoInput) {
  AnswerBox(*host, window, [&](HWND box) {
    Click(window.GetHWND(), 50, 55);
    SDL_Event key = KeyEvent(IdOf(box), SDLK_ESCAPE);
    SDL_PushEvent(&key);
  });
  EXPECT_EQ(std::count(window.notifications.begin(), window.notifications.end(), L"click:go"), 0);
}

}  // namespace
}  // namespace sdltest
