#include "ui/window_wnd.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "ui/dispatch_guard.h"
#include "ui/win_api.h"

namespace DuiLib {
namespace {

std::unordered_map<HWND, CWindowWnd*>& Registry() {
  static std::unordered_map<HWND, CWindowWnd*> windows;
  return windows;
}

std::vector<CWindowWnd*>& ModalStack() {
  static std::vector<CWindowWnd*> stack;
  return stack;
}

bool IsUserInput(UINT message) {
  return (message >= WM_MOUSEMOVE && message <= 0x020E) || message == WM_KEYDOWN || message == WM_KEYUP ||
         message == WM_CHAR || (message >= WM_IME_STARTCOMPOSITION && message <= WM_IME_COMPOSITION) ||
         message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONUP ||
         message == WM_NCLBUTTONDBLCLK || message == WM_NCHITTEST || message == WM_CLOSE;
}

}  // namespace

CWindowWnd* GetActiveModalWindow() { return ModalStack().empty() ? nullptr : ModalStack().back(); }

CWindowWnd::CWindowWnd() = default;

CWindowWnd::~CWindowWnd() {
  std::erase(ModalStack(), this);
  if (m_hWnd == nullptr) return;
  // Too late for messages (the derived parts are gone): only the native window is freed.
  Registry().erase(m_hWnd);
  if (IHost* host = CurrentHost()) host->DestroyNativeWindow(m_hWnd);
  m_hWnd = nullptr;
}

CWindowWnd* CWindowWnd::FromHandle(HWND window) {
  auto it = Registry().find(window);
  return it == Registry().end() ? nullptr : it->second;
}

HWND CWindowWnd::Create(HWND parent, std::wstring_view name, UINT style, UINT exStyle, const RECT& rc, HMENU menu) {
  return Create(parent, name, style, exStyle, rc.left, rc.top, rc.Width(), rc.Height(), menu);
}

HWND CWindowWnd::Create(HWND parent, std::wstring_view name, UINT style, UINT exStyle, int x, int y, int cx, int cy,
                        HMENU) {
  IHost* host = CurrentHost();
  if (host == nullptr) {
    std::fprintf(stderr, "wannianli: no window host is installed; the window cannot be created\n");
    return nullptr;
  }
  if (m_hWnd != nullptr) return m_hWnd;
  NativeWindowParams params;
  params.parent = parent;
  params.title = name;
  params.outer = RECT{x, y, x + std::max(cx, 1), y + std::max(cy, 1)};
  params.style = style;
  params.exStyle = exStyle;
  HWND window = host->CreateNativeWindow(this, params);
  if (window == nullptr) return nullptr;
  m_hWnd = window;
  m_parent = parent;
  m_style = style;
  Registry()[window] = this;
  if (HostDispatch(WM_CREATE, 0, 0) == -1) {
    // The window could not be built (a bad skin): no native window, no final message; the object stays.
    Registry().erase(window);
    m_hWnd = nullptr;
    host->DestroyNativeWindow(window);
    return nullptr;
  }
  if ((style & WS_VISIBLE) != 0 && m_hWnd != nullptr) host->ShowNativeWindow(m_hWnd, true, true);
  return m_hWnd;
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
  if (IHost* host = CurrentHost(); host != nullptr && m_hWnd != nullptr) host->ShowNativeWindow(m_hWnd, show, takeFocus);
}

UINT CWindowWnd::ShowModal() {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return IDCANCEL;
  HWND window = m_hWnd;
  m_bModal = true;
  ModalStack().push_back(this);
  host->ShowNativeWindow(window, true, true);
  int result = host->RunModalLoop(window);
  // The object may be gone now (a heap window deletes itself on its final message): no members from here.
  CWindowWnd* self = this;
  std::erase(ModalStack(), self);
  return static_cast<UINT>(result);
}

void CWindowWnd::Close(UINT result) {
  if (m_hWnd == nullptr) return;
  PostMessage(WM_CLOSE, static_cast<WPARAM>(result), 0);
}

bool CWindowWnd::DestroyWindow() {
  HWND window = m_hWnd;
  if (window == nullptr) return false;
  IHost* host = CurrentHost();
  HostDispatch(WM_DESTROY, 0, 0);
  if (m_bModal && host != nullptr) {
    m_bModal = false;
    std::erase(ModalStack(), this);
    host->EndModalLoop(window, static_cast<int>(m_modalResult));
  }
  if (host != nullptr) host->DestroyNativeWindow(window);
  HostDispatch(WM_NCDESTROY, 0, 0);  // may delete this
  return true;
}

void CWindowWnd::CenterWindow() {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return;
  RECT rc = host->GetWindowRect(m_hWnd);
  RECT area = host->GetWorkArea(m_hWnd);
  if (m_parent != nullptr && FromHandle(m_parent) != nullptr) area = host->GetWindowRect(m_parent);
  int x = area.left + (area.Width() - rc.Width()) / 2;
  int y = area.top + (area.Height() - rc.Height()) / 2;
  host->SetWindowRect(m_hWnd, RECT{x, y, x + rc.Width(), y + rc.Height()});
}

void CWindowWnd::ResizeClient(int cx, int cy) {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return;
  RECT rc = host->GetWindowRect(m_hWnd);
  if (cx >= 0) rc.right = rc.left + cx;
  if (cy >= 0) rc.bottom = rc.top + cy;
  host->SetWindowRect(m_hWnd, rc);
}

RECT CWindowWnd::GetWindowRect() const {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return RECT{};
  return host->GetWindowRect(m_hWnd);
}

bool CWindowWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return false;
  RECT rc = host->GetWindowRect(m_hWnd);
  if ((flags & SWP_NOMOVE) == 0) rc = RECT{x, y, x + rc.Width(), y + rc.Height()};
  if ((flags & SWP_NOSIZE) == 0) rc = RECT{rc.left, rc.top, rc.left + std::max(cx, 0), rc.top + std::max(cy, 0)};
  host->SetWindowRect(m_hWnd, rc);
  if (m_hWnd == nullptr) return true;
  if ((flags & SWP_NOZORDER) == 0 && insertAfter == HWND_TOP) host->RaiseWindow(m_hWnd);
  if ((flags & SWP_SHOWWINDOW) != 0) host->ShowNativeWindow(m_hWnd, true, (flags & SWP_NOACTIVATE) == 0);
  if ((flags & SWP_HIDEWINDOW) != 0) host->ShowNativeWindow(m_hWnd, false, false);
  return true;
}

bool CWindowWnd::GetWindowRect(HWND window, RECT* rect) { return DuiLib::GetWindowRect(window, rect); }

bool CWindowWnd::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return DuiLib::SetWindowPos(window, insertAfter, x, y, cx, cy, flags);
}

bool CWindowWnd::PostMessage(HWND window, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return DuiLib::PostMessage(window, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (m_hWnd == nullptr) return 0;
  return HostDispatch(uMsg, wParam, lParam);
}

bool CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  IHost* host = CurrentHost();
  if (host == nullptr || m_hWnd == nullptr) return false;
  host->PostMessage(m_hWnd, uMsg, wParam, lParam);
  return true;
}

LRESULT CWindowWnd::HostDispatch(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* modal = GetActiveModalWindow();
  if (modal != nullptr && modal != this && IsUserInput(uMsg)) return uMsg == WM_NCHITTEST ? HTCLIENT : 0;
  LRESULT result = 0;
  if (uMsg != WM_NCDESTROY) {
    GuardedCall("a message handler", [&] { result = HandleMessage(uMsg, wParam, lParam); });
    return result;  // `this` may be gone: nothing after the handler
  }
  HWND window = m_hWnd;
  GuardedCall("a message handler", [&] { result = HandleMessage(uMsg, wParam, lParam); });
  Registry().erase(window);
  m_hWnd = nullptr;
  GuardedCall("OnFinalMessage", [&] { OnFinalMessage(window); });
  return result;
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM) {
  if (uMsg == WM_CLOSE) {
    m_modalResult = wParam != 0 ? static_cast<UINT>(wParam) : IDCANCEL;
    DestroyWindow();
  }
  return 0;
}

void CWindowWnd::OnFinalMessage(HWND) {}

}  // namespace DuiLib
