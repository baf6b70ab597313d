#pragma once
// The headless host: no display. Windows are frames of the platform's canvas in memory (cairo/pango; GDI+ on
// Windows), a virtual clock drives timers, and tests inject input at window points, run the queue until
// idle, read pixels and save windows as PNG.
// Its confirmation box answers what the test told it, Cancel by default. Its clipboard is a string in
// memory, which tests read and set through GetClipboardText and SetClipboardText.
// At a display scale (ui/device_scale.h) its frames are that many times the windows' logical size, and the
// points tests give it (input, Pixel) are pixels of those frames, as a pointer on a real screen would be.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/host/host.h"
#include "ui/render/render_frame.h"

namespace DuiLib {

class HeadlessHost : public IHost {
 public:
  explicit HeadlessHost(double scale = 1.0);
  ~HeadlessHost() override;

  // IHost.
  HWND CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) override;
  void DestroyNativeWindow(HWND window) override;
  void ShowNativeWindow(HWND window, bool show, bool activate) override;
  bool IsNativeWindowVisible(HWND window) override;
  void SetWindowRect(HWND window, const RECT& outer) override;
  RECT GetWindowRect(HWND window) override;
  void RaiseWindow(HWND window) override;
  RECT GetWorkArea(HWND window) override;
  void SetMouseCapture(HWND window, bool capture) override;
  double GetWindowScale(HWND) override { return m_scale; }
  void InvalidateWindow(HWND window) override;
  ICanvas* BeginPaint(HWND window) override;
  void EndPaint(HWND window, const std::vector<RECT>& painted) override;
  void SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) override;
  void KillTimer(HWND window, std::uintptr_t id) override;
  std::uint64_t TickCount() override { return m_now; }
  void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostQuitMessage(int exitCode) override;
  int RunMessageLoop() override;
  int RunModalLoop(HWND window) override;
  void EndModalLoop(HWND window, int result) override;
  UINT KeyModifiers() override { return m_modifiers; }
  void StartTextInput(HWND window, const RECT& caret) override;
  void StopTextInput(HWND window) override;
  std::wstring GetCompositionString(HWND window, DWORD kind) override;
  int GetCompositionCursor(HWND) override { return m_compositionCursor; }
  std::wstring GetClipboardText() override { return m_clipboard; }
  bool SetClipboardText(std::wstring_view text) override;
  ICanvas* MeasuringCanvas(HWND window) override;

  // The queue: delivers posted messages in order, then pending paints, until nothing is left.
  void RunUntilIdle();
  // Moves the virtual clock forward, firing due timers in time order (running the queue after each).
  void AdvanceTime(std::uint64_t ms);
  // RunMessageLoop gives up (returning -1) after this much virtual time without a quit message.
  void SetLoopTimeLimit(std::uint64_t ms) { m_loopLimit = ms; }
  bool QuitPosted() const { return m_quit; }
  int ExitCode() const { return m_exitCode; }
  void ClearQuit() { m_quit = false; }

  // Input at client points of a window (device pixels of its frame); each is delivered at once, then the
  // queue runs until idle.
  // A press asks WM_NCHITTEST first: on HTCAPTION it starts a drag (Drag moves the window) instead.
  void MoveMouse(HWND window, int x, int y);
  void Press(HWND window, int x, int y);
  void Release(HWND window, int x, int y);
  void Click(HWND window, int x, int y);        // move, press, release
  void DoubleClick(HWND window, int x, int y);  // on a caption spot: WM_NCLBUTTONDBLCLK
  void Drag(HWND window, int fromX, int fromY, int toX, int toY);
  void Wheel(HWND window, int x, int y, int notches);  // positive: up
  void LeaveWindow(HWND window);
  void Key(HWND window, UINT vk, UINT modifiers = 0);  // key down and up, with MK_* keys held meanwhile
  // Modifier keys held from now on (for clicks and drags: Shift+click), until the next call (0: none).
  void HoldModifiers(UINT modifiers) { m_modifiers = modifiers; }
  void TypeChar(HWND window, char32_t ch);
  void TypeText(HWND window, std::u32string_view text);

  // Text input as the window asked for it (StartTextInput), and an input method played on a window: a
  // composition starts, changes (its text and the cursor in it), and ends committed (the result becomes
  // text) or cancelled. As with a real input method, nothing reaches a window whose text input is off.
  bool IsTextInputOn(HWND window) const;
  RECT TextInputRect(HWND window) const;  // in frame pixels, where an input method would put its list
  void StartComposition(HWND window);
  void UpdateComposition(HWND window, std::wstring_view text, int cursor);
  void CommitComposition(HWND window, std::wstring_view result);
  void CancelComposition(HWND window);
  // Delivers one message now, as a native event would (no queue run).
  LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Frames.
  RenderFrame* Frame(HWND window);  // paints first if a paint is pending; null for an unknown window
  DWORD Pixel(HWND window, int x, int y);
  bool SavePng(HWND window, const std::string& file);
  int PaintCount(HWND window) const;
  // The logical rectangles the last paint of the window presented.
  std::vector<RECT> LastPainted(HWND window) const;

  // The confirmation box. The answer given when a modal loop is not ended by the script (default IDCANCEL),
  // and a script run inside each modal loop (it may click the box's buttons).
  void SetModalAnswer(int answer) { m_modalAnswer = answer; }
  void SetModalScript(std::function<void(HWND box)> script) { m_modalScript = std::move(script); }
  int ModalLoopsRun() const { return m_modalLoops; }

  // Windows alive now, in creation order.
  std::vector<HWND> Windows() const;
  bool HasCapture(HWND window) const { return window != nullptr && m_capture == window; }

 private:
  struct Window;
  struct Posted {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  Window* Find(HWND window) const;
  void PaintIfPending(Window& w);
  // A device point of a window's frame as the logical client point, and as a logical screen point.
  LPARAM ClientPoint(int x, int y) const;
  LPARAM ScreenPoint(HWND window, int x, int y);

  double m_scale;
  std::map<std::uintptr_t, std::unique_ptr<Window>> m_windows;
  std::uintptr_t m_nextHandle = 1;
  std::deque<Posted> m_queue;
  std::uint64_t m_now = 0;
  std::uint64_t m_loopLimit = 60'000;
  bool m_quit = false;
  int m_exitCode = 0;
  HWND m_capture = nullptr;
  HWND m_dragging = nullptr;
  HWND m_focus = nullptr;
  HWND m_mouseWindow = nullptr;
  UINT m_modifiers = 0;
  std::wstring m_clipboard;
  std::wstring m_composition;
  std::wstring m_compositionResult;
  int m_compositionCursor = 0;
  std::unique_ptr<RenderFrame> m_measuring;
  int m_modalAnswer = IDCANCEL;
  std::function<void(HWND)> m_modalScript;
  int m_modalLoops = 0;
  std::map<std::uintptr_t, int> m_modalResults;  // ended modal loops by window
};

}  // namespace DuiLib
