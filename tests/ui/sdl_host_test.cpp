// The SDL host's side of the seam: windows, geometry, the queue, timers, loops and input routing.
#include <cstring>
#include <string>

#include "sdl_test_support.h"

namespace sdltest {
namespace {

constexpr UINT WM_FIRST = WM_USER + 1;
constexpr UINT WM_SECOND = WM_USER + 2;
constexpr UINT WM_THIRD = WM_USER + 3;
constexpr UINT WM_DONE = WM_USER + 99;

using SdlWindows = SdlHostTest;

TEST_F(SdlWindows, SeveralWindowsLiveAtOnceEachWithItsOwnNativeWindow) {
  Recorder a, b, c;
  HWND wa = Open(a), wb = Open(b, RECT{300, 50, 400, 150}), wc = Open(c);
  ASSERT_NE(wa, nullptr);
  EXPECT_NE(wa, wb);
  EXPECT_NE(wb, wc);
  EXPECT_NE(host->SdlWindowOf(wa), host->SdlWindowOf(wb));
  EXPECT_EQ(host->GetWindowRect(wb), (RECT{300, 50, 400, 150}));
  host->DestroyNativeWindow(wb);
  EXPECT_EQ(host->SdlWindowOf(wb), nullptr);
  EXPECT_EQ(host->GetWindowRect(wb), RECT{});
  host->PostMessage(wc, WM_FIRST, 0, 0);
  host->RunUntilIdle();
  EXPECT_EQ(c.UserMessages(), std::vector<UINT>{WM_FIRST});
}

TEST_F(SdlWindows, HandlesAreNeverReused) {
  Recorder a, b;
  HWND first = Open(a);
  host->DestroyNativeWindow(first);
  EXPECT_NE(Open(b), first);
}

TEST_F(SdlWindows, WindowsStartHiddenAndShowOnRequest) {
  Recorder a;
  HWND w = Open(a);
  EXPECT_FALSE(host->IsNativeWindowVisible(w));
  EXPECT_NE(SDL_GetWindowFlags(host->SdlWindowOf(w)) & SDL_WINDOW_HIDDEN, 0u);
  EXPECT_NE(SDL_GetWindowFlags(host->SdlWindowOf(w)) & SDL_WINDOW_BORDERLESS, 0u);
  host->ShowNativeWindow(w, true, true);
  EXPECT_TRUE(host->IsNativeWindowVisible(w));
  EXPECT_EQ(SDL_GetWindowFlags(host->SdlWindowOf(w)) & SDL_WINDOW_HIDDEN, 0u);
  host->ShowNativeWindow(w, false, false);
  EXPECT_FALSE(host->IsNativeWindowVisible(w));
}

TEST_F(SdlWindows, SetWindowRectMovesAndSizesAndTellsOnlyWhatChanged) {
  Recorder a;
  HWND w = Open(a, RECT{100, 100, 260, 200});
  host->SetWindowRect(w, RECT{150, 120, 310, 220});  // moved only
  EXPECT_EQ(a.Of(WM_MOVE), (std::vector<HostMessage>{{WM_MOVE, 0, MAKELPARAM(150, 120)}}));
  EXPECT_TRUE(a.Of(WM_SIZE).empty());
  host->SetWindowRect(w, RECT{150, 120, 350, 250});  // sized only
  EXPECT_EQ(a.Of(WM_MOVE).size(), 1u);
  EXPECT_EQ(a.Of(WM_SIZE), (std::vector<HostMessage>{{WM_SIZE, 0, MAKELPARAM(200, 130)}}));
  EXPECT_EQ(host->GetWindowRect(w), (RECT{150, 120, 350, 250}));
  int x = 0, y = 0, cx = 0, cy = 0;
  SDL_GetWindowPosition(host->SdlWindowOf(w), &x, &y);
  SDL_GetWindowSize(host->SdlWindowOf(w), &cx, &cy);
  EXPECT_EQ((RECT{x, y, x + cx, y + cy}), (RECT{150, 120, 350, 250}));
}

TEST_F(SdlWindows, AMoveByTheWindowManagerIsReportedOnceAndRemembered) {
  Recorder a;
  HWND w = Open(a, RECT{100, 100, 260, 200});
  WindowEvent(w, SDL_WINDOWEVENT_MOVED, 100, 100);  // where it already is: nothing new
  EXPECT_TRUE(a.Of(WM_MOVE).empty());
  WindowEvent(w, SDL_WINDOWEVENT_MOVED, 40, 30);
  EXPECT_EQ(a.Of(WM_MOVE), (std::vector<HostMessage>{{WM_MOVE, 0, MAKELPARAM(40, 30)}}));
  EXPECT_EQ(host->GetWindowRect(w), (RECT{40, 30, 200, 130}));
}

TEST_F(SdlWindows, ASizeChangeIsReportedAndRepainted) {
  Recorder a;
  HWND w = Open(a, RECT{0, 0, 100, 100});
  host->RunUntilIdle();
  a.messages.clear();
  WindowEvent(w, SDL_WINDOWEVENT_SIZE_CHANGED, 120, 90);
  EXPECT_EQ(a.Of(WM_SIZE), (std::vector<HostMessage>{{WM_SIZE, 0, MAKELPARAM(120, 90)}}));
  EXPECT_EQ(a.Of(WM_PAINT).size(), 1u);
  EXPECT_EQ(host->GetWindowRect(w), (RECT{0, 0, 120, 90}));
}


using SdlQueue = SdlHostTest;

TEST_F(SdlQueue, PostedMessagesArriveInOrderAfterTheCurrentOneReturns) {
  Recorder a;
  HWND w = Open(a);
  std::vector<std::string> trace;
  a.on = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_FIRST) {
      host->PostMessage(w, WM_SECOND, 0, 0);
      host->PostMessage(w, WM_THIRD, 0, 0);
      trace.push_back("first returns");
    } else if (m == WM_SECOND) {
      trace.push_back("second");
    } else if (m == WM_THIRD) {
      trace.push_back("third");
    }
  };
  host->PostMessage(w, WM_FIRST, 0, 0);
  host->RunUntilIdle();
  EXPECT_EQ(trace, (std::vector<std::string>{"first returns", "second", "third"}));
}


TEST_F(SdlQueue, MessagesQueuedForADestroyedWindowAreDropped) {
  Recorder a, b;
  HWND wa = Open(a), wb = Open(b);
  host->PostMessage(wa, WM_FIRST, 0, 0);
  host->PostMessage(wb, WM_SECOND, 0, 0);
  host->DestroyNativeWindow(wa);
  host->RunUntilIdle();
  EXPECT_TRUE(a.UserMessages().empty());
  EXPECT_EQ(b.UserMessages(), std::vector<UINT>{WM_SECOND});
  host->PostMessage(wa, WM_THIRD, 0, 0);  // an unknown handle is ignored
  host->RunUntilIdle();
  EXPECT_TRUE(a.UserMessages().empty());
}

TEST_F(SdlQueue, PaintComesOnceAfterTheQueueIsEmpty) {
  Recorder a;
  HWND w = Open(a);
  host->RunUntilIdle();
  a.messages.clear();
  host->InvalidateWindow(w);
  host->InvalidateWindow(w);
  host->PostMessage(w, WM_FIRST, 0, 0);
  host->RunUntilIdle();
  std::vector<UINT> order;
  for (const HostMessage& m : a.messages) order.push_back(m.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_FIRST, WM_PAINT}));
}

TEST_F(SdlQueue, TheMessageLoopEndsWithTheQuitCodeAndCanRunAgain) {
  Recorder a;
  HWND w = Open(a);
  a.on = [&](UINT m, WPARAM wParam, LPARAM) {
    if (m == WM_DONE) host->PostQuitMessage(static_cast<int>(wParam));
  };
  host->PostMessage(w, WM_DONE, 5, 0);
  EXPECT_EQ(host->RunMessageLoop(), 5);
  host->PostMessage(w, WM_DONE, 6, 0);
  EXPECT_EQ(host->RunMessageLoop(), 6);
}

TEST_F(SdlQueue, ATerminationRequestEndsTheMessageLoop) {
  Recorder a;
  Open(a);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  EXPECT_EQ(host->RunMessageLoop(), 0);
}

TEST_F(SdlQueue, AModalLoopReturnsTheResultItWasEndedWith) {
  Recorder owner, box;
  HWND wo = Open(owner), wb = Open(box);
  box.on = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_DONE) host->EndModalLoop(wb, IDOK);
  };
  host->PostMessage(wo, WM_FIRST, 0, 0);  // the owner keeps getting its messages meanwhile
  host->PostMessage(wb, WM_DONE, 0, 0);
  EXPECT_EQ(host->RunModalLoop(wb), IDOK);
  EXPECT_EQ(owner.UserMessages(), std::vector<UINT>{WM_FIRST});
}

TEST_F(SdlQueue, QuittingDuringAModalLoopAnswersCancelAndEndsTheOuterLoopToo) {
  Recorder owner, box;
  HWND wo = Open(owner), wb = Open(box);
  int modalResult = 0;
  owner.on = [&](UINT m, WPARAM, LPARAM) {
    if (m != WM_FIRST) return;
    host->PostMessage(wb, WM_DONE, 0, 0);
    modalResult = host->RunModalLoop(wb);
  };
  box.on = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_DONE) host->PostQuitMessage(3);
  };
  host->PostMessage(wo, WM_FIRST, 0, 0);
  EXPECT_EQ(host->RunMessageLoop(), 3);
  EXPECT_EQ(modalResult, IDCANCEL);
}

TEST_F(SdlQueue, AModalLoopEndsWhenItsWindowIsDestroyed) {
  Recorder box;
  HWND wb = Open(box);
  box.on = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_DONE) host->DestroyNativeWindow(wb);
  };
  host->PostMessage(wb, WM_DONE, 0, 0);
  EXPECT_EQ(host->RunModalLoop(wb), IDCANCEL);
}

using SdlTimers = SdlHostTest;

TEST_F(SdlTimers, ATimerTicksWithItsIdUntilKilledAndNoStaleTickFollows) {
  Recorder a;
  HWND w = Open(a);
  int fastTicks = 0, slowTicks = 0;
  a.on = [&](UINT m, WPARAM id, LPARAM) {
    if (m != WM_TIMER) return;
    if (id == 11) {
      ++fastTicks;
      host->KillTimer(w, 11);
    } else if (id == 22 && ++slowTicks == 3) {
      host->PostQuitMessage(0);
    }
  };
  host->SetTimer(w, 11, 1);
  host->SetTimer(w, 22, 5);
  EXPECT_EQ(host->RunMessageLoop(), 0);
  EXPECT_EQ(fastTicks, 1);
  EXPECT_EQ(slowTicks, 3);
}

TEST_F(SdlTimers, SettingAnExistingIdRestartsItInsteadOfAddingOne) {
  Recorder a;
  HWND w = Open(a);
  host->SetTimer(w, 1, 1000);
  host->SetTimer(w, 1, 500);
  host->SetTimer(w, 2, 1000);
  EXPECT_EQ(host->LiveTimerCount(), 2u);
  host->KillTimer(w, 1);
  EXPECT_EQ(host->LiveTimerCount(), 1u);
  host->KillTimer(w, 1);  // twice is harmless
  EXPECT_EQ(host->LiveTimerCount(), 1u);
}

TEST_F(SdlTimers, DestroyingAWindowStopsItsTimers) {
  Recorder a, b;
  HWND wa = Open(a), wb = Open(b);
  host->SetTimer(wa, 1, 1);
  host->SetTimer(wa, 2, 1);
  host->SetTimer(wb, 1, 1);
  host->DestroyNativeWindow(wa);
  EXPECT_EQ(host->LiveTimerCount(), 1u);
  b.on = [&](UINT m, WPARAM, LPARAM) {
    if (m == WM_TIMER) host->PostQuitMessage(0);
  };
  host->RunMessageLoop();
  EXPECT_TRUE(a.Of(WM_TIMER).empty());
}

// The loop's deadlines: a clock's tick keeps its place in the second, and ticks missed while the loop was
// busy come as one.
TEST(TimerSchedule, KeepsItsPaceAndDoesNotMakeUpMissedTicks) {
  sdl::TimerSchedule timers;
  EXPECT_FALSE(timers.MsUntilNext(0).has_value()) << "without timers the loop waits for events alone";
  std::uint64_t const clock = timers.Start(1000, 0);
  std::uint64_t const quick = timers.Start(300, 0);
  EXPECT_EQ(timers.MsUntilNext(0), 300u);
  EXPECT_TRUE(timers.TakeDue(299).empty());
  EXPECT_EQ(timers.TakeDue(1004), (std::vector<std::uint64_t>{quick, clock})) << "in the order they fell due";
  EXPECT_EQ(timers.MsUntilNext(1004), 300u) << "the quick one missed two ticks: its next is from now";
  timers.Stop(quick);
  EXPECT_EQ(timers.MsUntilNext(1004), 996u) << "the clock's next tick is at 2000, not 2004";
  EXPECT_EQ(timers.TakeDue(5500), std::vector<std::uint64_t>{clock}) << "four missed ticks, one tick";
  EXPECT_EQ(timers.MsUntilNext(5500), 1000u);
  timers.Stop(clock);
  EXPECT_EQ(timers.LiveCount(), 0u);
}

using SdlInput = SdlHostTest;

TEST_F(SdlInput, PointerEventsReachTheirWindowAtClientPoints) {
  Recorder a;
  HWND w = Open(a, RECT{100, 100, 260, 200});
  Motion(w, 10, 20);
  Button(w, SDL_MOUSEBUTTONDOWN, 10, 20);
  Button(w, SDL_MOUSEBUTTONUP, 10, 20);
  Button(w, SDL_MOUSEBUTTONDOWN, 10, 20, 2);
  EXPECT_EQ(a.Of(WM_MOUSEMOVE), (std::vector<HostMessage>{{WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)}}));
  EXPECT_EQ(a.Of(WM_LBUTTONDOWN), (std::vector<HostMessage>{{WM_LBUTTONDOWN, 0, MAKELPARAM(10, 20)}}));
  EXPECT_EQ(a.Of(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(a.Of(WM_LBUTTONDBLCLK).size(), 1u);
}

TEST_F(SdlInput, TheCapturingWindowGetsThePointerWhereverItIs) {
  Recorder a, b;
  HWND wa = Open(a, RECT{100, 100, 200, 200});
  HWND wb = Open(b, RECT{300, 100, 400, 200});
  host->SetMouseCapture(wa, true);
  Motion(wb, 10, 20);
  EXPECT_TRUE(b.Of(WM_MOUSEMOVE).empty());
  EXPECT_EQ(a.Of(WM_MOUSEMOVE), (std::vector<HostMessage>{{WM_MOUSEMOVE, 0, MAKELPARAM(210, 20)}}));
  host->SetMouseCapture(wb, false);  // only the capturing window releases it
  Button(wb, SDL_MOUSEBUTTONUP, 10, 20);
  EXPECT_EQ(a.Of(WM_LBUTTONUP).size(), 1u);
  host->SetMouseCapture(wa, false);
  Motion(wb, 10, 20);
  EXPECT_EQ(b.Of(WM_MOUSEMOVE), (std::vector<HostMessage>{{WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)}}));
}

TEST_F(SdlInput, TheWheelCarriesTheScreenPointOfThePointer) {
  Recorder a;
  HWND w = Open(a, RECT{100, 100, 260, 200});
  Motion(w, 5, 6);
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = IdOf(w);
  e.wheel.y = -1;
  Feed(e);
  EXPECT_EQ(a.Of(WM_MOUSEWHEEL),
            (std::vector<HostMessage>{{WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(105, 106)}}));
}

TEST_F(SdlInput, KeysAndTypedTextGoToTheWindowWithTheKeyboard) {
  Recorder a, b;
  HWND wa = Open(a);
  Open(b);
  host->StartTextInput(wa, RECT{0, 0, 1, 10});  // typed text is only for a window that asked
  Feed(KeyEvent(IdOf(wa), SDLK_DOWN));
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = IdOf(wa);
  std::strcpy(text.text.text, "\xE5\xB9\xB4");  // 年
  Feed(text);
  EXPECT_EQ(a.Of(WM_KEYDOWN), (std::vector<HostMessage>{{WM_KEYDOWN, VK_DOWN, 0}}));
  EXPECT_EQ(a.Of(WM_CHAR), (std::vector<HostMessage>{{WM_CHAR, 0x5E74, 0}}));
  EXPECT_TRUE(b.Of(WM_KEYDOWN).empty());
}

TEST_F(SdlInput, TextInputFollowsTheKeyboardToWindowsThatAskedForIt) {
  Recorder a, b;
  HWND wa = Open(a);
  HWND wb = Open(b);
  host->StartTextInput(wa, RECT{10, 20, 11, 36});
  EXPECT_FALSE(SDL_IsTextInputActive()) << "until the window has the keyboard";
  WindowEvent(wa, SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_TRUE(SDL_IsTextInputActive());
  WindowEvent(wa, SDL_WINDOWEVENT_FOCUS_LOST);
  WindowEvent(wb, SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_FALSE(SDL_IsTextInputActive()) << "the other window's keys stay keys";
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = IdOf(wb);
  std::strcpy(text.text.text, "x");
  Feed(text);
  EXPECT_TRUE(b.Of(WM_CHAR).empty());
  WindowEvent(wa, SDL_WINDOWEVENT_FOCUS_GAINED);
  host->StopTextInput(wa);
  EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(SdlInput, AnInputMethodsCompositionAndCommitBecomeImeMessages) {
  Recorder a;
  HWND w = Open(a);
  host->StartTextInput(w, RECT{10, 20, 11, 36});
  std::vector<std::wstring> seen;  // what the window reads while each message is handled
  a.on = [&](UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_IME_COMPOSITION) return;
    seen.push_back((lParam & GCS_RESULTSTR) != 0 ? L"result " + host->GetCompositionString(w, GCS_RESULTSTR)
                                                 : host->GetCompositionString(w, GCS_COMPSTR) + L" " +
                                                       std::to_wstring(host->GetCompositionCursor(w)));
  };
  SDL_Event edit{};
  edit.type = SDL_TEXTEDITING;
  edit.edit.windowID = IdOf(w);
  std::strcpy(edit.edit.text, "ni");
  edit.edit.start = 1;
  Feed(edit);
  SDL_Event longer{};
  longer.type = SDL_TEXTEDITING_EXT;
  longer.editExt.windowID = IdOf(w);
  longer.editExt.text = SDL_strdup("你好 ni hao ma 这是一个很长的组合");  // SDL's to free: the host frees it
  longer.editExt.start = 2;
  Feed(longer);
  SDL_Event commit{};
  commit.type = SDL_TEXTINPUT;
  commit.text.windowID = IdOf(w);
  std::strcpy(commit.text.text, "\xE4\xBD\xA0\xE5\xA5\xBD");  // 你好
  Feed(commit);
  std::vector<UINT> order;
  for (const HostMessage& m : a.messages) {
    if (m.message >= WM_IME_STARTCOMPOSITION && m.message <= WM_IME_COMPOSITION) order.push_back(m.message);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_COMPOSITION,
                                      WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION}));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"ni 1", L"你好 ni hao ma 这是一个很长的组合 2", L"result 你好"}));
  EXPECT_TRUE(a.Of(WM_CHAR).empty()) << "a commit is no typing";
}

TEST_F(SdlInput, KeysCarryTheModifiersHeldAndTheClipboardTakesText) {
  Recorder a;
  HWND w = Open(a);
  UINT held = 0;
  a.on = [&](UINT message, WPARAM, LPARAM) {
    if (message == WM_KEYDOWN) held = host->KeyModifiers();
  };
  SDL_Event key = KeyEvent(IdOf(w), SDLK_z);
  key.key.keysym.mod = KMOD_LCTRL | KMOD_RSHIFT;
  Feed(key);
  EXPECT_EQ(held, MK_CONTROL | MK_SHIFT);

  ASSERT_TRUE(host->SetClipboardText(L"农历\n十月"));
  EXPECT_EQ(host->GetClipboardText(), L"农历\n十月");
}

TEST_F(SdlInput, CloseFocusAndLeaveBecomeTheirMessages) {
  Recorder a;
  HWND w = Open(a);
  WindowEvent(w, SDL_WINDOWEVENT_FOCUS_GAINED);
  WindowEvent(w, SDL_WINDOWEVENT_LEAVE);
  WindowEvent(w, SDL_WINDOWEVENT_FOCUS_LOST);
  WindowEvent(w, SDL_WINDOWEVENT_CLOSE);
  std::vector<UINT> order;
  for (const HostMessage& m : a.messages) {
    if (m.message != WM_PAINT) order.push_back(m.message);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_SETFOCUS, WM_MOUSELEAVE, WM_KILLFOCUS, WM_CLOSE}));
}

TEST_F(SdlInput, ADoubleClickOnACaptionSpotArrivesAsTheNonClientDoubleClick) {
  Recorder a;
  HWND w = Open(a);
  WindowEvent(w, SDL_WINDOWEVENT_HIT_TEST, 0, 0, 1000);
  EXPECT_TRUE(a.Of(WM_NCLBUTTONDBLCLK).empty());
  WindowEvent(w, SDL_WINDOWEVENT_HIT_TEST, 0, 0, 1200);
  auto dbl = a.Of(WM_NCLBUTTONDBLCLK);
  ASSERT_EQ(dbl.size(), 1u);
  EXPECT_EQ(dbl[0].wParam, static_cast<WPARAM>(HTCAPTION));
  WindowEvent(w, SDL_WINDOWEVENT_HIT_TEST, 0, 0, 5000);  // a lone press later: a drag, not a double click
  EXPECT_EQ(a.Of(WM_NCLBUTTONDBLCLK).size(), 1u);
  EXPECT_TRUE(a.Of(WM_LBUTTONDOWN).empty());
}

TEST_F(SdlInput, EventsForAWindowDestroyedMeanwhileAreDropped) {
  Recorder a;
  HWND w = Open(a);
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = IdOf(w);
  ASSERT_EQ(SDL_PushEvent(&e), 1);
  host->DestroyNativeWindow(w);
  host->RunUntilIdle();
  EXPECT_TRUE(a.Of(WM_MOUSEMOVE).empty());
}

}  // namespace
}  // namespace sdltest
