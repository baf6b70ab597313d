#pragma once
// Basic types and Windows-style constants of the UI framework. They are the framework's own: hosts translate
// their native events into these numbers, so window code reads the same on every host. Nothing here includes
// an OS header.
#include <cstdint>
#include <string>
#include <string_view>

namespace DuiLib {

class ICanvas;

using UINT = unsigned int;
using DWORD = std::uint32_t;  // colours are 0xAARRGGBB words
using BYTE = std::uint8_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPCTSTR = const wchar_t*;
using CDuiString = std::wstring;

// A native window handle: opaque, made by the host, null when there is no native window.
struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;
// What controls paint on. Named after the classic device context so that paint hooks read as usual.
using HDC = ICanvas*;

struct POINT {
  int x = 0;
  int y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(POINT pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }
  friend bool operator==(const RECT&, const RECT&) = default;
};

// Intersection of two rectangles; empty (all zero) when they do not meet.
RECT IntersectRects(const RECT& a, const RECT& b);
// Smallest rectangle holding both; an empty rectangle does not count.
RECT UnionRects(const RECT& a, const RECT& b);

constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((static_cast<std::uint32_t>(low) & 0xFFFFu) |
                                                        (static_cast<std::uint32_t>(high) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(static_cast<std::uint32_t>(l) & 0xFFFFu); }
constexpr int GET_Y_LPARAM(LPARAM l) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(l) >> 16) & 0xFFFFu);
}
constexpr WPARAM MAKEWPARAM(int low, int high) { return static_cast<WPARAM>(MAKELPARAM(low, high)) & 0xFFFFFFFFu; }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(w) >> 16) & 0xFFFFu);
}
constexpr int WHEEL_DELTA = 120;

// Window messages. Mouse messages carry client coordinates in lParam (MAKELPARAM(x, y)), except
// WM_NCHITTEST, WM_NC*BUTTON* and WM_MOUSEWHEEL, which carry screen coordinates, as on Windows.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;          // lParam MAKELPARAM(client width, client height)
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;      // the native window got keyboard focus
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;         // a close request (window manager, Alt+F4, Close())
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCCALCSIZE = 0x0083;
constexpr UINT WM_NCHITTEST = 0x0084;     // lParam screen point; answer HT*
constexpr UINT WM_NCPAINT = 0x0085;
constexpr UINT WM_NCACTIVATE = 0x0086;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_NCLBUTTONUP = 0x00A2;
constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr UINT WM_KEYDOWN = 0x0100;       // wParam virtual key (VK_*)
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;          // wParam the character (UTF-32 code point)
// An input method's composition, while text input is on (IHost::StartTextInput). The composition's text
// is not yet the user's text: it is shown at the caret until WM_IME_COMPOSITION brings the result.
constexpr UINT WM_IME_STARTCOMPOSITION = 0x010D;
constexpr UINT WM_IME_ENDCOMPOSITION = 0x010E;
constexpr UINT WM_IME_COMPOSITION = 0x010F;  // lParam GCS_* flags: what IHost::GetCompositionString has now
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;         // wParam timer id
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;  // replaces the second WM_LBUTTONDOWN of a double click
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MOUSEWHEEL = 0x020A;    // wParam MAKEWPARAM(keys, delta), delta ±120 per notch
constexpr UINT WM_MOUSEHOVER = 0x02A1;
constexpr UINT WM_MOUSELEAVE = 0x02A3;    // the pointer left the native window
constexpr UINT WM_USER = 0x0400;

// WM_IME_COMPOSITION's flags, and what IHost::GetCompositionString is asked for.
constexpr DWORD GCS_COMPSTR = 0x0008;     // the composition changed (it may be empty: cancelled)
constexpr DWORD GCS_CURSORPOS = 0x0080;   // the cursor inside it moved
constexpr DWORD GCS_RESULTSTR = 0x0800;   // the input method committed text

// Modifier keys held (IHost::KeyModifiers, TEventUI::wKeyState); as Windows' mouse messages carry them, and
// MK_ALT as DirectUI names it.
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_ALT = 0x0020;

// Hit-test codes (answers to WM_NCHITTEST).
constexpr LRESULT HTERROR = -2;
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTCAPTION = 2;

// Virtual keys.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;

// Window styles (recorded, not interpreted: every window is borderless and drawn by the framework).
constexpr UINT WS_VISIBLE = 0x10000000;
constexpr UINT WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr UINT WS_POPUP = 0x80000000;
constexpr UINT UI_WNDSTYLE_FRAME = WS_VISIBLE | WS_OVERLAPPEDWINDOW;  // 0x10CF0000
constexpr UINT UI_WNDSTYLE_DIALOG = WS_POPUP | WS_VISIBLE;

// SetWindowPos.
inline const HWND HWND_TOP = nullptr;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

// Message boxes.
constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Text format flags (CRenderEngine::DrawTextW, ICanvas::DrawText).
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

}  // namespace DuiLib
