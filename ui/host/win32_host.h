#pragma once
// The Win32 host: one borderless popup per window object, drawn from a GDI+ frame (ui/render/gdiplus_canvas.h).
// Native messages already carry the framework's numbers, so most pass straight to the window; WM_NCHITTEST is
// answered by the window's OnNcHitTest, so dragging by a caption spot is the system's own move loop. Timers are
// Win32 timers; posted messages keep their order through one hidden message window; the modal loop is a nested
// GetMessage loop. Only one Win32Host may exist at a time (the window procedure finds it through the windows).
// Text input: a window's input method context is associated only while a text field of it asked
// (StartTextInput); the field draws the composition itself at its caret, so the system's composition window
// stays hidden, and the input method's messages reach the window as WM_IME_* with the strings read through
// ImmGetCompositionStringW. The clipboard is CF_UNICODETEXT, with Windows' "\r\n" line ends.
//
// Display scale: the process is per-monitor DPI aware (the manifest, and the same asked at run time), so
// each window is drawn at its monitor's DPI / 96 and follows WM_DPICHANGED when it moves to a monitor of
// another DPI, unless a fixed scale was given. At the seam everything is logical (ui/host/host.h): native
// points and rectangles are divided by the window's scale, screen places included, so a place saved on a
// 150 % monitor is in that monitor's logical pixels.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "ui/host/host.h"

namespace DuiLib {

class GdiplusFrame;

class Win32Host : public IHost {
 public:
  explicit Win32Host(std::optional<double> scale = std::nullopt);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

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
  void SetMouseCapture(HWND window, bool capture) override;
  double GetWindowScale(HWND window) override;
  void InvalidateWindow(HWND window) override;
  void InvalidateWindowRect(HWND window, const RECT& rect) override;
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
  UINT KeyModifiers() override;
  void StartTextInput(HWND window, const RECT& caret) override;
  void StopTextInput(HWND window) override;
  std::wstring GetCompositionString(HWND window, DWORD kind) override;
  int GetCompositionCursor(HWND window) override;
  std::wstring GetClipboardText() override;
  bool SetClipboardText(std::wstring_view text) override;
  ICanvas* MeasuringCanvas(HWND window) override;

  // The frame last painted for a window (null for an unknown window or before its first paint): tests read
  // its pixels, and it can be saved as PNG.
  GdiplusFrame* Frame(HWND window);
  // The native window (a Win32 HWND) behind a framework handle, or null.
  void* NativeHandle(HWND window);

  struct Window;  // one native window (win32_host.cpp)

 private:
  struct Posted {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  Window* Find(HWND window);
  void DeliverNextPosted();
  // Puts the input method's composition and candidate list at the window's text-input caret.
  void PlaceInputMethod(Window& window);
  // The scale for a new window or for screen places of no window: the fixed one, else the system DPI's.
  double DefaultScale() const;
  // The scale of a native window: the fixed one, else its monitor's DPI / 96.
  double ScaleOf(void* native) const;

  std::map<HWND, std::unique_ptr<Window>> m_windows;
  std::uintptr_t m_lastHandle = 0;
  std::deque<Posted> m_posted;
  std::map<HWND, int> m_modalResults;  // modal loops that were ended, by window
  void* m_messageWindow = nullptr;     // the hidden window that wakes the queue for each posted message
  void* m_paintDc = nullptr;           // the device context of the WM_PAINT being handled, if any
  std::unique_ptr<GdiplusFrame> m_measuring;
  double m_measuringScale = 1.0;
  std::optional<double> m_fixedScale;  // --scale: every window at this scale, whatever the DPI

  friend struct Win32HostAccess;
};

}  // namespace DuiLib
