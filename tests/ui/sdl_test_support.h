#pragma once
// The SDL host on SDL's dummy video driver: real SDL windows, framebuffers, timers and event queue, but no
// display, so these tests run anywhere. Input is fed as synthetic SDL events through SDL's own queue.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/host/sdl_host_impl.h"

namespace sdltest {

using namespace DuiLib;
using DuiLib::sdl::HostMessage;
using DuiLib::sdl::SdlHost;

// A bare native-window client: records every message and answers the hit test as told.
class Recorder : public IHostClient {
 public:
  LRESULT HostDispatch(UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(HostMessage{message, wParam, lParam});
    if (on) on(message, wParam, lParam);
    return message == WM_NCHITTEST ? hitTest : 0;
  }
  // The messages of one kind, in order.
  std::vector<HostMessage> Of(UINT message) const {
    std::vector<HostMessage> found;
    for (const HostMessage& m : messages) {
      if (m.message == message) found.push_back(m);
    }
    return found;
  }
  std::vector<UINT> UserMessages() const {
    std::vector<UINT> found;
    for (const HostMessage& m : messages) {
      if (m.message >= WM_USER) found.push_back(m.message);
    }
    return found;
  }

  std::vector<HostMessage> messages;
  std::function<void(UINT, WPARAM, LPARAM)> on;
  LRESULT hitTest = HTCLIENT;
};

class SdlHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    host = std::make_unique<SdlHost>();
    InstallHost(host.get());
  }
  void TearDown() override { host.reset(); }

  HWND Open(Recorder& client, RECT outer = RECT{100, 100, 260, 200}) {
    NativeWindowParams params;
    params.title = L"test";
    params.outer = outer;
    return host->CreateNativeWindow(&client, params);
  }
  Uint32 IdOf(HWND window) const { return SDL_GetWindowID(host->SdlWindowOf(window)); }

  // Queues a synthetic event and runs the queue until idle.
  void Feed(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    host->RunUntilIdle();
  }
  void Motion(HWND window, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = IdOf(window);
    e.motion.x = x;
    e.motion.y = y;
    Feed(e);
  }
  void Button(HWND window, Uint32 type, int x, int y, Uint8 clicks = 1) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = IdOf(window);
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    Feed(e);
  }
  void Click(HWND window, int x, int y) {
    Motion(window, x, y);
    Button(window, SDL_MOUSEBUTTONDOWN, x, y);
    Button(window, SDL_MOUSEBUTTONUP, x, y);
  }
  void WindowEvent(HWND window, Uint8 kind, Sint32 data1 = 0, Sint32 data2 = 0, Uint32 timestamp = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = IdOf(window);
    e.window.event = kind;
    e.window.data1 = data1;
    e.window.data2 = data2;
    e.window.timestamp = timestamp;
    Feed(e);
  }
  static SDL_Event KeyEvent(Uint32 windowId, SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = windowId;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
  }

  std::unique_ptr<SdlHost> host;
};

}  // namespace sdltest
