#pragma once
// The host seam: native windows, the event queue, timers and frame presentation. The SDL2 host
// (ui/host/sdl_host.h) and, on Windows, the Win32 host (ui/host/win32_host.h) give real windows; the
// headless host (ui/host/headless_host.h) gives none. Everything above this seam is the same on every host.
//
// How a host drives a window
// --------------------------
// * The framework calls CreateNativeWindow with an IHostClient (the CWindowWnd). The host makes the
//   native window, hidden, and returns its handle (a handle is never reused). The framework itself then
//   sends WM_CREATE; it likewise sends WM_DESTROY before and WM_NCDESTROY after it calls
//   DestroyNativeWindow, so a host never sends those three. After DestroyNativeWindow the host must forget
//   the client and drop queued messages and timers of that window: the object may delete itself on
//   WM_NCDESTROY. Calls with an unknown or destroyed handle are ignored.
// * Every native event becomes one call client->HostDispatch(message, wParam, lParam) with the
//   Windows-style numbers of ui/ui_defs.h:
//     pointer motion          WM_MOUSEMOVE     lParam MAKELPARAM(client x, client y)
//     left press / release    WM_LBUTTONDOWN / WM_LBUTTONUP (client point); the second press of a
//                             double click is WM_LBUTTONDBLCLK
//     press on a caption spot the host asks WM_NCHITTEST (lParam screen point) first; on HTCAPTION it
//                             moves the window itself (SDL: SDL_SetWindowHitTest) and sends nothing else,
//                             except WM_NCLBUTTONDBLCLK for a double click there
//     wheel                   WM_MOUSEWHEEL    wParam MAKEWPARAM(0, ±120 per notch, up positive),
//                             lParam screen point
//     pointer leaves window   WM_MOUSELEAVE
//     key press / release     WM_KEYDOWN / WM_KEYUP wParam VK_* (letters 'A'..'Z', digits '0'..'9');
//                             KeyModifiers() tells the modifier keys held meanwhile
//     typed text              WM_CHAR wParam code point, only while text input is on (StartTextInput)
//     an input method         WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION (lParam GCS_* flags: fetch the
//                             strings with GetCompositionString while it is handled), WM_IME_ENDCOMPOSITION;
//                             a commit is WM_IME_COMPOSITION with GCS_RESULTSTR, a cancel an empty
//                             GCS_COMPSTR, each followed by WM_IME_ENDCOMPOSITION
//     focus gained / lost     WM_SETFOCUS / WM_KILLFOCUS
//     close request           WM_CLOSE (window manager button, Alt+F4)
//     size / position change  WM_SIZE lParam MAKELPARAM(width, height), WM_MOVE lParam MAKELPARAM(x, y),
//                             sent for any change, SetWindowRect included
//     timer tick              WM_TIMER wParam id (SetTimer)
//     posted message          the posted message, in posting order, after the current one returns
//     repaint                 WM_PAINT once the queue is empty and the window was invalidated
// * On WM_PAINT the framework calls BeginPaint, repaints what changed on the returned canvas (the frame
//   keeps the rest from the last paint; a new or resized frame is painted whole) and calls EndPaint with
//   those rectangles, which shows them (SDL: the frame is the window's framebuffer, and those rectangles of
//   it go on the screen; Win32: the region was invalidated with InvalidateWindowRect and is painted within).
// * Windows are borderless: the outer rectangle is the client area placed on the screen.
// * Every coordinate at this seam is in logical pixels (ui/device_scale.h): client points, window sizes and
//   screen places alike. A host whose window has a display scale (GetWindowScale) makes the native window
//   and its frames that many times larger, hands BeginPaint's canvas the scale, and maps native points
//   back: client points to the logical pixel they fall in, screen places to device pixels / scale (the
//   SDL host's one scale makes the whole desktop one logical plane; the Win32 host uses the scale of the
//   window's monitor). A logical rectangle to repaint or present covers ToDeviceOutward of it.
// * All calls happen on the one UI thread.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_defs.h"

namespace DuiLib {

class ICanvas;

// The framework side of a native window (implemented by CWindowWnd).
class IHostClient {
 public:
  virtual ~IHostClient() = default;
  // The window procedure. Never throws: exceptions are caught and reported inside.
  virtual LRESULT HostDispatch(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

struct NativeWindowParams {
  HWND parent = nullptr;
  std::wstring_view title;
  RECT outer;          // screen rectangle
  UINT style = 0;
  UINT exStyle = 0;
};

class IHost {
 public:
  virtual ~IHost() = default;

  // Native windows.
  virtual HWND CreateNativeWindow(IHostClient* client, const NativeWindowParams& params) = 0;
  virtual void DestroyNativeWindow(HWND window) = 0;
  virtual void ShowNativeWindow(HWND window, bool show, bool activate) = 0;
  virtual bool IsNativeWindowVisible(HWND window) = 0;
  // Moves and resizes (screen rectangle); sends WM_MOVE / WM_SIZE for what changed.
  virtual void SetWindowRect(HWND window, const RECT& outer) = 0;
  // The outer rectangle; for a minimised window the one it is restored to.
  virtual RECT GetWindowRect(HWND window) = 0;
  // Brings the window to the front and gives it the focus, restoring it first when it is minimised.
  virtual void RaiseWindow(HWND window) = 0;
  // The usable screen area of the display showing the window (or the primary display for null).
  virtual RECT GetWorkArea(HWND window) = 0;
  // The usable areas of every screen, the primary one first (a host that knows one screen: that one).
  virtual std::vector<RECT> GetWorkAreas() { return {GetWorkArea(nullptr)}; }
  // The picture window managers and task bars show for the window, from a PNG file; a host that takes its
  // icon elsewhere (the Win32 host: the program's icon resource) ignores it.
  virtual void SetWindowIcon(HWND /*window*/, const std::string& /*pngFile*/) {}
  // While captured, pointer messages go to this window even outside it.
  virtual void SetMouseCapture(HWND window, bool capture) = 0;

  // The display scale the window is drawn at (1 to 3); 1 for a host without one.
  virtual double GetWindowScale(HWND /*window*/) { return 1.0; }

  // Painting.
  // WM_PAINT once the queue is empty (for a hidden window at the latest when it is shown): the framework
  // asks once and asks again only after it got a WM_PAINT.
  virtual void InvalidateWindow(HWND window) = 0;
  // The same for a part of the window (logical pixels); a host that shows only whole frames asks for all.
  virtual void InvalidateWindowRect(HWND window, const RECT& /*rect*/) { InvalidateWindow(window); }
  virtual ICanvas* BeginPaint(HWND window) = 0;  // a canvas of the window's client size and scale
  // Presents the painted rectangles of the frame (logical pixels); the screen keeps the rest.
  virtual void EndPaint(HWND window, const std::vector<RECT>& painted) = 0;

  // Timers: WM_TIMER(id) every `elapseMs` until killed; setting an existing id restarts it.
  virtual void SetTimer(HWND window, std::uintptr_t id, UINT elapseMs) = 0;
  virtual void KillTimer(HWND window, std::uintptr_t id) = 0;
  // Milliseconds of a monotonic clock (virtual on the headless host).
  virtual std::uint64_t TickCount() = 0;

  // The queue.
  virtual void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
  // Dispatches until the quit message; returns its exit code.
  virtual int RunMessageLoop() = 0;
  // A nested loop for a modal window: dispatches until EndModalLoop(window) and returns its result.
  // Input to other windows is filtered by the framework, not by the host.
  virtual int RunModalLoop(HWND window) = 0;
  virtual void EndModalLoop(HWND window, int result) = 0;

  // Keyboard. The modifier keys (MK_SHIFT | MK_CONTROL | MK_ALT) held as of the message being handled.
  virtual UINT KeyModifiers() { return 0; }
  // Text input for a window, off until a text field asks: while on, typed text arrives as WM_CHAR and an
  // input method composes (WM_IME_*); while off, keys arrive as keys only, so an input method never
  // swallows a shortcut. `caret` is the caret's client rectangle in logical pixels, where the input method
  // puts its candidate list; asking again while on only moves it (a composition goes on).
  virtual void StartTextInput(HWND /*window*/, const RECT& /*caret*/) {}
  virtual void StopTextInput(HWND /*window*/) {}
  // While WM_IME_COMPOSITION is handled: GCS_COMPSTR the composition, GCS_RESULTSTR the committed text.
  virtual std::wstring GetCompositionString(HWND /*window*/, DWORD /*kind*/) { return {}; }
  // GCS_CURSORPOS: the cursor in the composition, in wchar_t units from its start.
  virtual int GetCompositionCursor(HWND /*window*/) { return 0; }

  // The system clipboard's text (empty when it holds none; line breaks as another program put them).
  virtual std::wstring GetClipboardText() { return {}; }
  virtual bool SetClipboardText(std::wstring_view /*text*/) { return false; }

  // A canvas to measure text for `window` outside painting (a click on text laid out since the last paint),
  // with the fonts and the scale its painting uses; nothing drawn on it is shown. Null when the host has none.
  virtual ICanvas* MeasuringCanvas(HWND /*window*/) { return nullptr; }
};

// The host every window uses. Install one before creating any window; the caller keeps ownership.
void InstallHost(IHost* host);
IHost* CurrentHost();  // null when none is installed

}  // namespace DuiLib
