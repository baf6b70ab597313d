#pragma once
// The few Windows-style window functions the program calls, answered by the framework and its host.
#include "ui/ui_defs.h"

namespace DuiLib {

bool GetWindowRect(HWND window, RECT* rect);
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool GetClientRect(HWND window, RECT* rect);
bool ScreenToClient(HWND window, POINT* point);
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline bool PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessage(window, message, wParam, lParam);
}
void PostQuitMessage(int exitCode);
bool IsWindow(HWND window);
bool IsWindowVisible(HWND window);
DWORD GetTickCount();

}  // namespace DuiLib
