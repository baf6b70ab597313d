#pragma once
// The SDL2 host. Programs reach it through CreateSdlHost (ui/host/sdl_host.h); this header is for the
// host's own files and its tests.
//
// Native events become messages as ui/host/host.h describes; how SDL gets there:
// * a press on a spot where OnNcHitTest answers HTCAPTION: SDL_SetWindowHitTest asks the window
//   (WM_NCHITTEST) and the window manager moves the window; SDL reports only SDL_WINDOWEVENT_HIT_TEST,
//   from which the host recognises a double click there (WM_NCLBUTTONDBLCLK).
// * timers are deadlines the loop waits for (timer_schedule.h); a due timer's WM_TIMER goes out when
//   SDL's queue is empty, before painting. Posted messages are user events, so they keep their order with
//   native input.
// * WM_PAINT goes out when SDL's queue is empty; the frame is the window's framebuffer, and the painted part
//   of it goes on the screen (SDL_UpdateWindowSurfaceRects).
// * the mouse capture routes pointer events to the capturing window; SDL itself keeps the pointer
//   grabbed while a button is held.
// * SDL's text input is one for the process: it is on while the window with the keyboard has a text field
//   that asked for it (StartTextInput), else off, so an input method never takes the keys of other windows.
//   Typed text reaches only such a window; SDL_TEXTEDITING(_EXT) and SDL_TEXTINPUT become WM_IME_* through
//   the window's CompositionTracker.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/host/host.h"
#include "ui/host/sdl_handles.h"
#include "ui/host/sdl_input.h"
#include "ui/host/sdl_window.h"
#include "ui/host/timer_schedule.h"

namespace DuiLib::sdl {

// The one SDL host of the process (SDL is process-wide state): taken while a host lives.
class HostSlot {
 public:
  HostSlot();  // throws std::runtime_error when another host holds it
  ~HostSlot();
  HostSlot(const HostSlot&) = delete;
  HostSlot& operator=(const HostSlot&) = delete;
};

class SdlHost final : public IHost {
 public:
  // Draws every window at `scale` (ui/device_scale.h), or at the desktop's scale when none is given
  // (ui/host/display_scale.h). Throws std::runtime_error when SDL cannot start, or when another SdlHost lives.
  explicit SdlHost(std::optional<double> scale = std::nullopt);
  ~SdlHost() override;
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  // IHost.
  HWND CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) override;
  void DestroyNativeWindow(HWND window) override;
  void ShowNativeWindow(HWND window, bool show, bool activate) override;
  bool IsNativeWindowVisible(HWND window) override;
  void SetWindowRect(HWND window, const RECT& outer) override;
  RECT GetWindowRect(HWND window) override;
  void RaiseWindow(HWND window) override;
  RECT GetWorkArea(HWND window) override;
  std::vector<RECT> GetWorkAreas() override;
  void SetWindowIcon(HWND window, const std::string& pngFile) override;
  void SetMouseCapture(HWND window, bool capture) override;
  double GetWindowScale(HWND) override { return m_scale; }
  void InvalidateWindow(HWND window) override;
  ICanvas* BeginPaint(HWND window) override;
  void EndPaint(HWND window, const std::vector<RECT>& painted) override;
  void SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) override;
  void KillTimer(HWND window, std::uintptr_t id) override;
  std::uint64_t TickCount() override;
  void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostQuitMessage(int exitCode) override;
  int RunMessageLoop() override;
  int RunModalLoop(HWND window) override;
  void EndModalLoop(HWND window, int result) override;
  UINT KeyModifiers() override { return m_modifiers; }
  void StartTextInput(HWND window, const RECT& caret) override;
  void StopTextInput(HWND window) override;
  std::wstring GetCompositionString(HWND window, DWORD kind) override;
  int GetCompositionCursor(HWND window) override;
  std::wstring GetClipboardText() override;
  bool SetClipboardText(std::wstring_view text) override;
  ICanvas* MeasuringCanvas(HWND window) override;

  // Dispatches what is queued now, then the pending paints, without waiting for more (tests).
  void RunUntilIdle();
  // Dispatches one SDL event as if it came from the queue (tests feed synthetic input through this).
  void Dispatch(const SDL_Event& event);
  SDL_Window* SdlWindowOf(HWND window) const;  // null for an unknown window
  std::size_t LiveTimerCount() const { return m_timers.LiveCount(); }

  static constexpr Sint32 kPostedCode = 2;
  static constexpr Sint32 kWakeCode = 3;

 private:
  struct Posted {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  struct PointerTarget {
    HWND window;
    POINT client;
  };

  NativeWindow* Find(HWND window) const;
  HWND HandleOf(std::uint32_t sdlId) const;
  LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Deliver(HWND window, const std::optional<HostMessage>& message);
  bool NextQueued(SDL_Event& event);
  bool PaintOne();
  // Sends WM_TIMER for every timer due now; false when none was.
  bool TickDueTimers();
  // Waits for an event or the next timer (or, while a caption is pressed, a short while) and dispatches it.
  void WaitAndDispatch();
  void RunLoop(const std::function<bool()>& done);
  void PushUserEvent(Sint32 code, std::uint64_t serial);

  bool PointerAt(std::uint32_t sdlId, int x, int y, PointerTarget& target);
  void DispatchWindowEvent(const SDL_WindowEvent& event);
  void DispatchTextEvent(const SDL_Event& event);
  void DeliverAll(HWND window, const std::vector<HostMessage>& messages);
  // Turns SDL's text input on or off for the window with the keyboard, and places the candidate list.
  void ApplyTextInput();
  // Whether a caption press handed to the window manager waits for its button to come up; then the
  // loop looks at the button every kCaptionPollMs, and EndCaptionPresses cancels the manager's move.
  bool CaptionPressed() const;
  void EndCaptionPresses();
  static constexpr int kCaptionPollMs = 20;
  void DispatchUserEvent(const SDL_UserEvent& event);
  static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* area, void* data);
  // The desktop's scale: the environment, then Xft.dpi when the video driver is X11.
  static double DesktopScale();

  // Declaration order is teardown order reversed: windows go first, then timers, then SDL itself.
  HostSlot m_slot;
  Library m_library;
  // After m_library: the desktop's scale is read once SDL knows its video driver.
  double m_scale;
  std::uint32_t m_eventType;
  TimerSchedule m_timers;
  std::map<std::uintptr_t, std::unique_ptr<NativeWindow>> m_windows;
  // Destroyed windows wait here until the loop is between events: SDL may still be inside a call (a hit
  // test) for the window that its handler just destroyed.
  std::vector<std::unique_ptr<NativeWindow>> m_graveyard;
  std::uintptr_t m_nextHandle = 1;
  std::map<std::uint64_t, Posted> m_posted;
  std::uint64_t m_nextPost = 1;
  std::map<std::uint64_t, std::pair<HWND, std::uintptr_t>> m_timerOwners;  // serial -> window, timer id
  std::map<std::uintptr_t, int> m_modalResults;
  CaptionClickTracker m_captionClicks;
  HWND m_capture = nullptr;
  HWND m_keyboard = nullptr;  // the window with the keyboard focus, as SDL reported it
  UINT m_modifiers = 0;       // as of the event being dispatched
  std::unique_ptr<CairoFrame> m_measuring;
  bool m_quit = false;
  int m_exitCode = 0;
};

}  // namespace DuiLib::sdl
