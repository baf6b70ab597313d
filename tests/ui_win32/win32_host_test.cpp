#include "ui/host/win32_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ui/render/gdiplus_canvas.h"

// After the framework's headers: the WM_* and HT* names below are <windows.h>'s macros, with the framework's
// values.
#include <windows.h>
#include <imm.h>
#include <windowsx.h>  // GET_Y_LPARAM
#undef PostMessage

namespace {

using DuiLib::Win32Host;

struct Message {
  DuiLib::UINT message;
  DuiLib::WPARAM wParam;
  DuiLib::LPARAM lParam;
};

class RecordingClient : public DuiLib::IHostClient {
 public:
  DuiLib::LRESULT HostDispatch(DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override {
    seen.push_back(Message{message, wParam, lParam});
    return onMessage ? onMessage(message, wParam, lParam) : 0;
  }
  // Messages with this number, in arrival order.
  std::vector<Message> Seen(DuiLib::UINT message) const {
    std::vector<Message> found;
    for (const Message& m : seen) {
      if (m.message == message) found.push_back(m);
    }
    return found;
  }

  std::vector<Message> seen;
  std::function<DuiLib::LRESULT(DuiLib::UINT, DuiLib::WPARAM, DuiLib::LPARAM)> onMessage;
};

class Win32HostTest : public ::testing::Test {
 protected:
  DuiLib::HWND Create(RecordingClient& client, DuiLib::RECT outer = DuiLib::RECT{10, 20, 110, 70}) {
    DuiLib::NativeWindowParams params;
    params.title = L"test";
    params.outer = outer;
    DuiLib::HWND window = host.CreateNativeWindow(&client, params);
    EXPECT_NE(window, nullptr);
    return window;
  }
  ::HWND Native(DuiLib::HWND window) { return static_cast<::HWND>(host.NativeHandle(window)); }

  Win32Host host;
};

TEST_F(Win32HostTest, TheHostNeverSendsTheMessagesTheFrameworkSendsItself) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  host.DestroyNativeWindow(window);
  EXPECT_TRUE(client.Seen(WM_CREATE).empty());
  EXPECT_TRUE(client.Seen(WM_DESTROY).empty());
  EXPECT_TRUE(client.Seen(WM_NCDESTROY).empty());
  EXPECT_EQ(host.NativeHandle(window), nullptr);
}

TEST_F(Win32HostTest, MovingAndResizingSendsMoveAndSize) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  EXPECT_EQ(host.GetWindowRect(window), (DuiLib::RECT{10, 20, 110, 70}));
  client.seen.clear();
  host.SetWindowRect(window, DuiLib::RECT{30, 40, 230, 140});
  EXPECT_EQ(host.GetWindowRect(window), (DuiLib::RECT{30, 40, 230, 140}));
  ASSERT_FALSE(client.Seen(WM_MOVE).empty());
  EXPECT_EQ(client.Seen(WM_MOVE).back().lParam, MAKELPARAM(30, 40));
  ASSERT_FALSE(client.Seen(WM_SIZE).empty());
  EXPECT_EQ(client.Seen(WM_SIZE).back().lParam, MAKELPARAM(200, 100));
}

TEST_F(Win32HostTest, PostedMessagesArriveInOrderAndThoseOfADestroyedWindowAreDropped) {
  RecordingClient a;
  RecordingClient b;
  DuiLib::HWND windowA = Create(a);
  DuiLib::HWND windowB = Create(b);
  std::vector<DuiLib::UINT> order;
  auto record = [&order, this](DuiLib::UINT message, DuiLib::WPARAM, DuiLib::LPARAM) -> DuiLib::LRESULT {
    if (message >= WM_USER) order.push_back(message);
    if (message == WM_USER + 5) host.PostQuitMessage(7);
    return 0;
  };
  a.onMessage = record;
  b.onMessage = record;
  host.PostMessage(windowA, WM_USER + 1, 0, 0);
  host.PostMessage(windowB, WM_USER + 2, 0, 0);
  host.PostMessage(windowA, WM_USER + 3, 0, 0);
  DuiLib::HWND windowC = Create(b);
  host.PostMessage(windowC, WM_USER + 9, 0, 0);
  host.DestroyNativeWindow(windowC);
  host.PostMessage(windowB, WM_USER + 4, 0, 0);
  host.PostMessage(windowA, WM_USER + 5, 0, 0);
  EXPECT_EQ(host.RunMessageLoop(), 7);
  EXPECT_EQ(order, (std::vector<DuiLib::UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3, WM_USER + 4, WM_USER + 5}));
}

TEST_F(Win32HostTest, TimersTickWithTheirIdUntilKilled) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  int ticks = 0;
  client.onMessage = [&](DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM) -> DuiLib::LRESULT {
    if (message != WM_TIMER) return 0;
    EXPECT_EQ(wParam, 5u);
    if (++ticks == 3) {
      host.KillTimer(window, 5);
      host.PostQuitMessage(0);
    }
    return 0;
  };
  host.SetTimer(window, 5, 10);
  EXPECT_EQ(host.RunMessageLoop(), 0);
  EXPECT_EQ(ticks, 3);
}

TEST_F(Win32HostTest, AModalLoopReturnsTheResultItWasEndedWith) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  client.onMessage = [&](DuiLib::UINT message, DuiLib::WPARAM, DuiLib::LPARAM) -> DuiLib::LRESULT {
    if (message == WM_USER + 1) host.EndModalLoop(window, 42);
    return 0;
  };
  host.PostMessage(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(host.RunModalLoop(window), 42);
}

TEST_F(Win32HostTest, PaintingGoesThroughTheFrameOntoTheWindow) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  client.onMessage = [&](DuiLib::UINT message, DuiLib::WPARAM, DuiLib::LPARAM) -> DuiLib::LRESULT {
    if (message != WM_PAINT) return 0;
    DuiLib::ICanvas* canvas = host.BeginPaint(window);
    EXPECT_NE(canvas, nullptr);
    if (canvas != nullptr) canvas->FillRect(DuiLib::RECT{0, 0, 100, 50}, 0xFF336699);
    host.EndPaint(window, {DuiLib::RECT{0, 0, 100, 50}});
    host.PostQuitMessage(0);
    return 0;
  };
  host.ShowNativeWindow(window, true, false);
  host.InvalidateWindow(window);
  host.RunMessageLoop();
  EXPECT_EQ(client.Seen(WM_PAINT).size(), 1u);
  DuiLib::GdiplusFrame* frame = host.Frame(window);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Width(), 100);
  EXPECT_EQ(frame->Height(), 50);
  EXPECT_EQ(frame->Pixel(50, 25), 0xFF336699u);
}

TEST_F(Win32HostTest, HitTestsAreTheWindowsOwnAnswer) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  client.onMessage = [](DuiLib::UINT message, DuiLib::WPARAM, DuiLib::LPARAM) -> DuiLib::LRESULT {
    return message == WM_NCHITTEST ? HTCAPTION : 0;
  };
  EXPECT_EQ(SendMessageW(Native(window), WM_NCHITTEST, 0, MAKELPARAM(15, 25)), HTCAPTION);
  ASSERT_EQ(client.Seen(WM_NCHITTEST).size(), 1u);
  EXPECT_EQ(client.Seen(WM_NCHITTEST)[0].lParam, MAKELPARAM(15, 25));
}

TEST_F(Win32HostTest, ACloseRequestGoesToTheWindowWhichStays) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  SendMessageW(Native(window), WM_CLOSE, 0, 0);
  EXPECT_EQ(client.Seen(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(IsWindow(Native(window)));
}

TEST_F(Win32HostTest, TypedCharactersArriveAsWholeCodePoints) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  SendMessageW(Native(window), WM_CHAR, L'x', 0);
  EXPECT_TRUE(client.Seen(WM_CHAR).empty()) << "typed text is only for a window with text input";
  host.StartTextInput(window, DuiLib::RECT{0, 0, 1, 10});
  SendMessageW(Native(window), WM_CHAR, L'a', 0);
  SendMessageW(Native(window), WM_CHAR, 0xD83D, 0);  // U+1F600 in two halves
  SendMessageW(Native(window), WM_CHAR, 0xDE00, 0);
  SendMessageW(Native(window), WM_CHAR, 0x519C, 0);  // 农
  auto const chars = client.Seen(WM_CHAR);
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[0].wParam, static_cast<DuiLib::WPARAM>('a'));
  EXPECT_EQ(chars[1].wParam, 0x1F600u);
  EXPECT_EQ(chars[2].wParam, 0x519Cu);
}

TEST_F(Win32HostTest, TheInputMethodServesOnlyAWindowWithTextInputAndItsResultIsNotTypedTwice) {
  RecordingClient client;
  DuiLib::HWND window = Create(client);
  EXPECT_EQ(ImmGetContext(Native(window)), nullptr) << "no input method by default";
  host.StartTextInput(window, DuiLib::RECT{5, 6, 6, 20});
  HIMC context = ImmGetContext(Native(window));
  EXPECT_NE(context, nullptr);
  ImmReleaseContext(Native(window), context);
  SendMessageW(Native(window), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  ASSERT_EQ(client.Seen(WM_IME_COMPOSITION).size(), 1u);
  EXPECT_EQ(client.Seen(WM_IME_COMPOSITION)[0].lParam, GCS_RESULTSTR);
  EXPECT_TRUE(client.Seen(WM_CHAR).empty()) << "the window reads the result itself";
  host.StopTextInput(window);
  EXPECT_EQ(ImmGetContext(Native(window)), nullptr);
}

TEST_F(Win32HostTest, TheClipboardRoundTripsUnicodeTextWithWindowsLineEnds) {
  ASSERT_TRUE(host.SetClipboardText(L"农历\n十月 \U0001F600"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE const data = GetClipboardData(CF_UNICODETEXT);
  std::wstring const seen = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data != nullptr) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(seen, L"农历\r\n十月 \U0001F600") << "what other programs read";
  EXPECT_EQ(host.GetClipboardText(), seen);
}

}  // namespace

namespace {

// Mouse input as the system gets it from the device, at a screen point.
void SendMouse(int x, int y, DWORD flags) {
  SetCursorPos(x, y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

TEST_F(Win32HostTest, PressingOnACaptionSpotLetsTheSystemMoveTheWindow) {
  RecordingClient client;
  DuiLib::HWND window = Create(client, DuiLib::RECT{100, 100, 300, 200});
  client.onMessage = [&](DuiLib::UINT message, DuiLib::WPARAM, DuiLib::LPARAM lParam) -> DuiLib::LRESULT {
    if (message == WM_NCHITTEST) return GET_Y_LPARAM(lParam) < 130 ? HTCAPTION : HTCLIENT;  // a 30 px caption
    return 0;
  };
  host.ShowNativeWindow(window, true, true);
  SendMouse(150, 110, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 8; ++step) SendMouse(150 + 5 * step, 110 + 5 * step, MOUSEEVENTF_MOVE);
  SendMouse(190, 150, MOUSEEVENTF_LEFTUP);
  // The system's move loop runs inside the press; drain the queue (bounded, never a timed wait).
  MSG message;
  for (int i = 0; i < 1000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  EXPECT_EQ(host.GetWindowRect(window), (DuiLib::RECT{140, 140, 340, 240}));
  EXPECT_TRUE(client.Seen(WM_LBUTTONDOWN).empty()) << "a press on the caption is the system's, not the window's";
  ASSERT_FALSE(client.Seen(WM_MOVE).empty());
  EXPECT_EQ(client.Seen(WM_MOVE).back().lParam, MAKELPARAM(140, 140));
}

}  // namespace
