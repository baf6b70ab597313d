// Translation of SDL input into the framework's messages: no display needed.
#include <gtest/gtest.h>

#include "ui/host/sdl_input.h"

namespace {

using namespace DuiLib;
using namespace DuiLib::sdl;

SDL_MouseButtonEvent Button(Uint32 type, Uint8 button, Uint8 clicks) {
  SDL_MouseButtonEvent event{};
  event.type = type;
  event.button = button;
  event.clicks = clicks;
  return event;
}

SDL_KeyboardEvent KeyEvent(Uint32 type, SDL_Keycode key) {
  SDL_KeyboardEvent event{};
  event.type = type;
  event.keysym.sym = key;
  return event;
}

TEST(SdlMouseButtons, LeftPressAndReleaseCarryTheClientPoint) {
  EXPECT_EQ(TranslateMouseButton(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1), POINT{12, 34}),
            (HostMessage{WM_LBUTTONDOWN, 0, MAKELPARAM(12, 34)}));
  EXPECT_EQ(TranslateMouseButton(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1), POINT{-3, 7}),
            (HostMessage{WM_LBUTTONUP, 0, MAKELPARAM(-3, 7)}));
}

TEST(SdlMouseButtons, EverySecondPressOfARunIsADoubleClick) {
  auto messageFor = [](Uint8 clicks) {
    return TranslateMouseButton(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, clicks), POINT{1, 1})->message;
  };
  EXPECT_EQ(messageFor(1), WM_LBUTTONDOWN);
  EXPECT_EQ(messageFor(2), WM_LBUTTONDBLCLK);
  EXPECT_EQ(messageFor(3), WM_LBUTTONDOWN);
  EXPECT_EQ(messageFor(4), WM_LBUTTONDBLCLK);
}

TEST(SdlMouseButtons, RightButtonHasItsMessagesAndTheMiddleOneNone) {
  EXPECT_EQ(TranslateMouseButton(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1), POINT{})->message, WM_RBUTTONDOWN);
  EXPECT_EQ(TranslateMouseButton(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1), POINT{})->message, WM_RBUTTONUP);
  EXPECT_FALSE(TranslateMouseButton(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1), POINT{}));
}

TEST(SdlWheel, UpIsPositive120PerNotchAtTheScreenPoint) {
  SDL_MouseWheelEvent event{};
  event.type = SDL_MOUSEWHEEL;
  event.y = 2;
  event.direction = SDL_MOUSEWHEEL_NORMAL;
  auto message = TranslateWheel(event, POINT{500, 400});
  ASSERT_TRUE(message);
  EXPECT_EQ(message->message, WM_MOUSEWHEEL);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(message->wParam), 240);
  EXPECT_EQ(GET_X_LPARAM(message->lParam), 500);
  EXPECT_EQ(GET_Y_LPARAM(message->lParam), 400);
}

TEST(SdlWheel, FlippedScrollingStillMeansTheSameDirection) {
  SDL_MouseWheelEvent event{};
  event.y = 1;
  event.direction = SDL_MOUSEWHEEL_FLIPPED;
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(TranslateWheel(event, POINT{})->wParam), -120);
}

TEST(SdlWheel, HorizontalScrollingIsIgnored) {
  SDL_MouseWheelEvent event{};
  event.x = 3;
  EXPECT_FALSE(TranslateWheel(event, POINT{}));
}

TEST(SdlKeys, LettersDigitsAndNamedKeysBecomeVirtualKeys) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), static_cast<UINT>('A'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), static_cast<UINT>('Z'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), static_cast<UINT>('0'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), static_cast<UINT>('9'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_0), static_cast<UINT>('0'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_7), static_cast<UINT>('7'));
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), VK_UP);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), VK_DOWN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKSPACE), VK_BACK);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F4), VK_F4);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RALT), VK_MENU);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_CAPSLOCK), 0u);
}

TEST(SdlKeys, PressAndReleaseBecomeKeyDownAndKeyUp) {
  EXPECT_EQ(TranslateKey(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE)), (HostMessage{WM_KEYDOWN, VK_ESCAPE, 0}));
  EXPECT_EQ(TranslateKey(KeyEvent(SDL_KEYUP, SDLK_q)), (HostMessage{WM_KEYUP, 'Q', 0}));
  EXPECT_FALSE(TranslateKey(KeyEvent(SDL_KEYDOWN, SDLK_CAPSLOCK)));
}

TEST(SdlText, EachCodePointIsOneCharMessage) {
  auto messages = TranslateText("a\xE5\xB9\xB4\xF0\x9F\x98\x80");  // "a", 年, an emoji outside the BMP
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], (HostMessage{WM_CHAR, U'a', 0}));
  EXPECT_EQ(messages[1].wParam, static_cast<WPARAM>(U'\u5E74'));
  EXPECT_EQ(messages[2].wParam, static_cast<WPARAM>(U'\U0001F600'));
}

TEST(SdlText, MalformedBytesAreSkippedNotGuessed) {
  auto messages = TranslateText("x\xE5\xB9y\xFFz");  // a cut sequence and a byte that never starts one
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>('x'));
  EXPECT_EQ(messages[1].wParam, static_cast<WPARAM>('y'));
  EXPECT_EQ(messages[2].wParam, static_cast<WPARAM>('z'));
}


TEST(SdlText, ACompositionIsStartedChangedAndEndedByCommitOrCancel) {
  CompositionTracker ime;
  EXPECT_EQ(ime.Edit("\xE4\xBD\xA0h", 2), (std::vector<HostMessage>{{WM_IME_STARTCOMPOSITION, 0, 0},
                                                                    {WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS}}));
  EXPECT_EQ(ime.Composition(), L"你h");
  EXPECT_EQ(ime.Cursor(), 2);
  EXPECT_EQ(ime.Edit("\xE4\xBD\xA0ha", 3), (std::vector<HostMessage>{{WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS}}));
  EXPECT_EQ(ime.Text("\xE4\xBD\xA0\xE5\x93\x88"),
            (std::vector<HostMessage>{{WM_IME_COMPOSITION, 0, GCS_RESULTSTR}, {WM_IME_ENDCOMPOSITION, 0, 0}}));
  EXPECT_EQ(ime.Result(), L"你哈");
  EXPECT_TRUE(ime.Edit("", 0).empty()) << "the clearing after a commit says nothing more";

  ime.Edit("a", 1);
  EXPECT_EQ(ime.Edit("", 0), (std::vector<HostMessage>{{WM_IME_COMPOSITION, 0, GCS_COMPSTR}, {WM_IME_ENDCOMPOSITION, 0, 0}}));
  EXPECT_EQ(ime.Text("ok"), (std::vector<HostMessage>{{WM_CHAR, U'o', 0}, {WM_CHAR, U'k', 0}})) << "no composition: typing";
}

TEST(CaptionClicks, TwoQuickPressesNearbyOnOneWindowAreADoubleClick) {
  CaptionClickTracker tracker(500, 4);
  EXPECT_FALSE(tracker.Press(1, 1000, POINT{10, 10}));
  EXPECT_TRUE(tracker.Press(1, 1400, POINT{12, 9}));
  // The third press starts a new run.
  EXPECT_FALSE(tracker.Press(1, 1500, POINT{12, 9}));
}

TEST(CaptionClicks, SlowFarOrOtherWindowPressesAreNot) {
  CaptionClickTracker tracker(500, 4);
  EXPECT_FALSE(tracker.Press(1, 1000, POINT{10, 10}));
  EXPECT_FALSE(tracker.Press(1, 1501, POINT{10, 10}));  // too late
  EXPECT_FALSE(tracker.Press(1, 1600, POINT{20, 10}));  // too far
  EXPECT_FALSE(tracker.Press(2, 1700, POINT{20, 10}));  // another window
  EXPECT_TRUE(tracker.Press(2, 1800, POINT{20, 10}));
}

}  // namespace
