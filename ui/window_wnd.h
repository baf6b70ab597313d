#pragma once
// CWindowWnd: a window object with (at most) one native window made by the installed host. HandleMessage
// receives the window's messages; HostDispatch is the window procedure the host calls, and it is where an
// exception escaping a handler stops: it is reported once per kind on standard error and the loop goes on.
//
// Lifetime: Close() posts WM_CLOSE; the default handling destroys the native window: WM_DESTROY, the host
// frees it, WM_NCDESTROY, then OnFinalMessage(handle), where a heap window object may delete itself. A
// window object destroyed while it still has a native window frees that native window silently.
#include <string_view>

#include "ui/host/host.h"
#include "ui/ui_defs.h"

namespace DuiLib {

class CWindowWnd : public IHostClient {
 public:
  CWindowWnd();
  ~CWindowWnd() override;
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;

  HWND GetHWND() const { return m_hWnd; }  // null without a native window
  operator HWND() const { return m_hWnd; }
  static CWindowWnd* FromHandle(HWND window);  // the window object of a live native window, or null

  // Makes the native window (hidden unless `style` has WS_VISIBLE) and sends WM_CREATE. Returns the handle,
  // or null when there is no host or WM_CREATE failed (answered -1; the object stays, without a window).
  HWND Create(HWND parent, std::wstring_view name, UINT style, UINT exStyle, int x = 0, int y = 0, int cx = 0,
              int cy = 0, HMENU menu = nullptr);
  HWND Create(HWND parent, std::wstring_view name, UINT style, UINT exStyle, const RECT& rc,
              HMENU menu = nullptr);
  void ShowWindow(bool show = true, bool takeFocus = true);
  // Shows the window modally (other windows take no input) until Close(result); returns the result.
  UINT ShowModal();
  // Asks the window to close: posts WM_CLOSE with `result` (the result of a modal run).
  void Close(UINT result = IDOK);
  // Destroys the native window now, without asking.
  bool DestroyWindow();
  void CenterWindow();  // over the parent window, or the screen's work area
  void ResizeClient(int cx = -1, int cy = -1);
  RECT GetWindowRect() const;  // outer rectangle in screen coordinates (empty without a native window)
  bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

  // The Windows-style functions under their usual names, so that window code calling them with a handle
  // is not hidden by the members of the same name.
  static bool GetWindowRect(HWND window, RECT* rect);
  static bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
  static bool PostMessage(HWND window, UINT uMsg, WPARAM wParam, LPARAM lParam);
  static bool PostMessageW(HWND window, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return PostMessage(window, uMsg, wParam, lParam);
  }

  LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Queued: delivered in order after the current message returns. False without a native window.
  bool PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
  bool PostMessageW(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) { return PostMessage(uMsg, wParam, lParam); }

  virtual LPCTSTR GetWindowClassName() const = 0;
  virtual LPCTSTR GetSuperClassName() const { return nullptr; }
  virtual UINT GetClassStyle() const { return 0; }

  LRESULT HostDispatch(UINT uMsg, WPARAM wParam, LPARAM lParam) final;

  // The default handling of every message the window does not handle itself (WM_CLOSE destroys). Called
  // directly it bypasses the exception boundary of HostDispatch; SendMessage does not.
  virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
  virtual void OnFinalMessage(HWND window);

 protected:

  HWND m_hWnd = nullptr;
  HWND m_parent = nullptr;
  UINT m_style = 0;
  bool m_bModal = false;
  UINT m_modalResult = IDCANCEL;
};

// The window taking input while a modal window runs (null when none): input to other windows is dropped.
CWindowWnd* GetActiveModalWindow();

}  // namespace DuiLib
