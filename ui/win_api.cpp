#include "ui/win_api.h"

#include "ui/host/host.h"
#include "ui/window_wnd.h"

namespace DuiLib {

bool IsWindow(HWND window) { return window != nullptr && CWindowWnd::FromHandle(window) != nullptr; }

bool GetWindowRect(HWND window, RECT* rect) {
  IHost* host = CurrentHost();
  if (rect == nullptr || host == nullptr || !IsWindow(window)) return false;
  *rect = host->GetWindowRect(window);
  return true;
}

bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  CWindowWnd* wnd = CWindowWnd::FromHandle(window);
  return wnd != nullptr && wnd->SetWindowPos(insertAfter, x, y, cx, cy, flags);
}

bool GetClientRect(HWND window, RECT* rect) {
  RECT outer;
  if (!GetWindowRect(window, &outer)) return false;
  *rect = RECT{0, 0, outer.Width(), outer.Height()};
  return true;
}

bool ScreenToClient(HWND window, POINT* point) {
  RECT outer;
  if (point == nullptr || !GetWindowRect(window, &outer)) return false;
  point->x -= outer.left;
  point->y -= outer.top;
  return true;
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  IHost* host = CurrentHost();
  if (host == nullptr || !IsWindow(window)) return false;
  host->PostMessage(window, message, wParam, lParam);
  return true;
}

void PostQuitMessage(int exitCode) {
  if (IHost* host = CurrentHost()) host->PostQuitMessage(exitCode);
}

bool IsWindowVisible(HWND window) {
  IHost* host = CurrentHost();
  return host != nullptr && IsWindow(window) && host->IsNativeWindowVisible(window);
}

DWORD GetTickCount() {
  IHost* host = CurrentHost();
  return host != nullptr ? static_cast<DWORD>(host->TickCount()) : 0;
}

}  // namespace DuiLib
