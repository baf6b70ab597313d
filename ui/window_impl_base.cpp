#include "ui/window_impl_base.h"

#include <array>
#include <cstdio>

#include "platform/code_page.h"
#include "ui/control_ui.h"
#include "ui/dispatch_guard.h"
#include "ui/resource_path.h"
#include "ui/skin_error.h"
#include "ui/win_api.h"

namespace DuiLib {

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase() {
  m_PaintManager.RemovePreMessageFilter(this);
  m_PaintManager.RemoveNotifier(this);
}

void WindowImplBase::Notify(TNotifyUI& msg) {
  if (msg.sType == L"click") OnClick(msg);
}

void WindowImplBase::OnClick(TNotifyUI&) {}

CControlUI* WindowImplBase::CreateControl(std::wstring_view) { return nullptr; }

LRESULT WindowImplBase::MessageHandler(UINT, WPARAM, LPARAM, bool&) { return 0; }

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = true;
  switch (uMsg) {
    case WM_CREATE: result = OnCreate(uMsg, wParam, lParam, handled); break;
    case WM_CLOSE: result = OnClose(uMsg, wParam, lParam, handled); break;
    case WM_DESTROY: result = OnDestroy(uMsg, wParam, lParam, handled); break;
    case WM_NCHITTEST: result = OnNcHitTest(uMsg, wParam, lParam, handled); break;
    case WM_SIZE: result = OnSize(uMsg, wParam, lParam, handled); break;
    case WM_CHAR: result = OnChar(uMsg, wParam, lParam, handled); break;
    case WM_KEYDOWN: result = OnKeyDown(uMsg, wParam, lParam, handled); break;
    case WM_MOUSEWHEEL: result = OnMouseWheel(uMsg, wParam, lParam, handled); break;
    case WM_MOUSEMOVE: result = OnMouseMove(uMsg, wParam, lParam, handled); break;
    case WM_LBUTTONDOWN: result = OnLButtonDown(uMsg, wParam, lParam, handled); break;
    case WM_LBUTTONUP: result = OnLButtonUp(uMsg, wParam, lParam, handled); break;
    case WM_SETFOCUS: result = OnSetFocus(uMsg, wParam, lParam, handled); break;
    case WM_KILLFOCUS: result = OnKillFocus(uMsg, wParam, lParam, handled); break;
    case WM_NCDESTROY:
      // The native window is gone: the manager must not reach it any more, whatever the final message does.
      m_PaintManager.RemoveAllTimers();
      m_PaintManager.SetPopup(nullptr);
      m_PaintManager.Init(nullptr);
      handled = false;
      break;
    default: handled = false;
  }
  if (handled) return result;
  handled = false;
  result = HandleCustomMessage(uMsg, wParam, lParam, handled);
  if (handled) return result;
  if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void WindowImplBase::OnFinalMessage(HWND) {
  m_PaintManager.RemovePreMessageFilter(this);
  m_PaintManager.RemoveNotifier(this);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

std::string WindowImplBase::GetSkinText() { return {}; }

std::string WindowImplBase::FindSkinProblem() { return {}; }

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
  handled = true;
  m_skinError.clear();
  m_PaintManager.Init(m_hWnd);
  m_PaintManager.SetResourcePath(SkinFolderPath(CPaintManagerUI::GetInstancePath(), GetSkinFolder()));
  CControlUI* root = nullptr;
  try {
    CDialogBuilder builder;
    std::string text = GetSkinText();
    std::string file = m_PaintManager.ResolveFile(GetSkinFile());
    if (file.empty()) throw SkinError(platform::WideToUtf8(GetSkinFile()), 0, "the name leaves the skin folder");
    root = text.empty() ? builder.Create(file, this, &m_PaintManager)
                        : builder.CreateFromString(text, file, this, &m_PaintManager);
    m_PaintManager.AttachDialog(root);
    if (std::string const problem = FindSkinProblem(); !problem.empty()) throw SkinError(file, 0, problem);
  } catch (const SkinError& error) {
    m_skinError = error.what();
    std::fprintf(stderr, "wannianli: %s\n", error.what());
    m_PaintManager.Init(nullptr);
    return -1;
  }
  m_PaintManager.AddPreMessageFilter(this);
  m_PaintManager.AddNotifier(this);
  SIZE size = m_PaintManager.GetInitSize();
  if (size.cx > 0 && size.cy > 0) ResizeClient(size.cx, size.cy);
  // A failing InitWindow is reported like any handler; the window still gets its "windowinit".
  GuardedCall("InitWindow", [&] { InitWindow(); });
  m_PaintManager.SendNotify(root, L"windowinit");
  return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

POINT WindowImplBase::ScreenToClient(POINT screen) const {
  RECT rc = GetWindowRect();
  return POINT{screen.x - rc.left, screen.y - rc.top};
}

RECT WindowImplBase::GetClientRect() const {
  RECT rc = GetWindowRect();
  return RECT{0, 0, rc.Width(), rc.Height()};
}

bool WindowImplBase::ScreenToClient(HWND window, POINT* point) { return DuiLib::ScreenToClient(window, point); }
bool WindowImplBase::GetClientRect(HWND window, RECT* rect) { return DuiLib::GetClientRect(window, rect); }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& handled) {
  handled = true;
  POINT pt = ScreenToClient(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  RECT client = GetClientRect();
  const RECT& caption = m_PaintManager.GetCaptionRect();
  if (pt.x >= client.left + caption.left && pt.x < client.right - caption.right && pt.y >= caption.top &&
      pt.y < caption.bottom) {
    CControlUI* control = m_PaintManager.FindControl(pt);
    static constexpr std::array<std::wstring_view, 8> kClientClasses = {
        L"ButtonUI", L"OptionUI", L"TextUI", L"ComboUI", L"LabelUI", L"ContainerUI", L"EditUI", L"RichEditUI"};
    if (control != nullptr) {
      bool interactive = false;
      for (std::wstring_view cls : kClientClasses) interactive = interactive || control->GetClass() == cls;
      if (!interactive) return HTCAPTION;
    }
  }
  return HTCLIENT;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

#define WL_PASS_THROUGH(Name)                                  \
  LRESULT WindowImplBase::Name(UINT, WPARAM, LPARAM, bool& handled) { \
    handled = false;                                           \
    return 0;                                                  \
  }
WL_PASS_THROUGH(OnKeyDown)
WL_PASS_THROUGH(OnChar)
WL_PASS_THROUGH(OnMouseWheel)
WL_PASS_THROUGH(OnMouseMove)
WL_PASS_THROUGH(OnLButtonDown)
WL_PASS_THROUGH(OnLButtonUp)
WL_PASS_THROUGH(OnSetFocus)
WL_PASS_THROUGH(OnKillFocus)
#undef WL_PASS_THROUGH

}  // namespace DuiLib
