#include "ui/demo/demo_window.h"

#include <string>

namespace demo {

using namespace DuiLib;

void DemoWindow::InitWindow() {
  if (CControlUI* timerLabel = m_PaintManager.FindControl(L"timer_label")) {
    m_PaintManager.SetTimer(timerLabel, kSecondTimer, 1000);
  }
}

void DemoWindow::SetLabel(std::wstring_view name, const std::wstring& text) {
  if (CControlUI* control = m_PaintManager.FindControl(name)) control->SetText(text);
}

void DemoWindow::Notify(TNotifyUI& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring& name = msg.pSender->GetName();
  if (msg.sType == L"timer") {
    SetLabel(L"timer_label", L"计时器：" + std::to_wstring(++m_seconds) + L" 秒");
    return;
  }
  if (msg.sType == L"windowinit" || msg.sType == L"dropdown") return;
  if (msg.sType == L"textchanged" && name == L"rich_note") {
    m_noteTyped = true;
    m_noteText = msg.pSender->GetText();
  }
  if (msg.sType == L"click" && name == L"close") {
    Close(IDOK);
    return;
  }
  if (msg.sType == L"click" && name == L"btn_confirm") {
    // The framework's own box: it never runs anything, it only answers.
    int answer = MessageBox(m_hWnd, L"这是框架自己画的确认框。\n按 Enter 确定，Esc 取消。", L"确认", MB_OKCANCEL);
    SetLabel(L"confirm_result", answer == IDOK ? L"回答：确定 (OK)" : L"回答：取消 (Cancel)");
  }
  std::wstring detail = msg.sType + L" · " + name;
  if (msg.sType == L"itemselect") {
    if (auto* combo = dynamic_cast<CComboUI*>(msg.pSender)) detail += L" · " + combo->GetText();
  }
  SetLabel(L"status", L"最近的通知：" + detail);
}

void DemoWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  PostQuitMessage(0);
}

}  // namespace demo
