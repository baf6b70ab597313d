#include "windows/soft_box_window.h"

#include <set>

using namespace DuiLib;

namespace {

// The boxes alive now, so that the program can close the ones the user left open when it ends.
std::set<SoftBoxWindow*>& LiveBoxes() {
  static std::set<SoftBoxWindow*> boxes;
  return boxes;
}

}  // namespace

SoftBoxWindow::SoftBoxWindow() { LiveBoxes().insert(this); }

SoftBoxWindow::~SoftBoxWindow() { LiveBoxes().erase(this); }

SoftBoxWindow* SoftBoxWindow::Open(ToolActions actions) {
  auto* box = new SoftBoxWindow;
  box->actions = std::move(actions);
  if (box->Create(nullptr, L"应用", UI_WNDSTYLE_FRAME, 0, 0, 0, 526, 526) == nullptr) {
    // No native window, so no final message will come: the object is ours to free.
    delete box;
    return nullptr;
  }
  box->CenterWindow();
  box->ShowWindow(true, true);
  return box;
}

void SoftBoxWindow::DestroyOpenBoxes() {
  auto const boxes = LiveBoxes();  // a copy: each box leaves the set as it deletes itself
  for (auto* box : boxes) {
    if (box->GetHWND() != nullptr) box->DestroyWindow();
    else delete box;
  }
}

int SoftBoxWindow::OpenBoxCount() { return static_cast<int>(LiveBoxes().size()); }

void SoftBoxWindow::Notify(TNotifyUI& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const CDuiString& name = msg.pSender->GetName();
  if (name == L"btn_soft_box_close") {
    Close(1);
  } else if (name == L"btn_tools_fold") {
    SetToolRowVisible(false, msg.pSender, L"btn_tools_unfold");
  } else if (name == L"btn_tools_unfold") {
    SetToolRowVisible(true, msg.pSender, L"btn_tools_fold");
  } else if (auto const action = actions.find(name); action != actions.end() && action->second) {
    action->second();
  }
}

void SoftBoxWindow::SetToolRowVisible(bool visible, CControlUI* clicked, std::wstring_view shown) {
  if (auto* row = m_PaintManager.FindControl(L"hor_tools")) {
    row->SetVisible(visible);
    clicked->SetVisible(false);
  }
  if (auto* other = m_PaintManager.FindControl(shown)) other->SetVisible(true);
}

void SoftBoxWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  delete this;
}

LRESULT SoftBoxWindow::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) {
  return WindowImplBase::HandleCustomMessage(uMsg, wParam, lParam, handled);
}
