#include "windows/soft_box_window.h"

#include <array>
#include <set>

using namespace DuiLib;

namespace {

// What each tool starts. A tool whose action is null has no function yet: it is shown disabled, with a
// tooltip saying so, and a click on it does nothing.
using ToolAction = void (*)(SoftBoxWindow&);
struct Tool {
  std::wstring_view name;
  ToolAction action;
};

// Runs what the opener gave for the tool, if anything.
void Run(const std::function<void()>& action) {
  if (action) action();
}

constexpr std::array<Tool, 9> kTools = {{
    {L"btn_tools_notepad", [](SoftBoxWindow& box) { Run(box.Actions().openNote); }},
    {L"btn_tools_screenshot", nullptr},
    {L"btn_tools_notify", nullptr},
    {L"btn_tools_memo", [](SoftBoxWindow& box) { Run(box.Actions().openMemo); }},
    {L"btn_tools_clock", nullptr},
    {L"btn_personal_tools_translate", nullptr},
    {L"btn_personal_tools_package", nullptr},
    {L"btn_player_tools_majiang", nullptr},
    {L"btn_player_tools_doudizhu", nullptr},
}};

// How far each new box steps from a box already at its place: its title bar and close button stay in sight.
constexpr int kCascadeStep = 32;

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
  box->MoveClearOfOtherBoxes();
  box->ShowWindow(true, true);
  return box;
}

void SoftBoxWindow::MoveClearOfOtherBoxes() {
  IHost* host = CurrentHost();
  if (host == nullptr || GetHWND() == nullptr) return;
  RECT rc = GetWindowRect();
  RECT const area = host->GetWorkArea(GetHWND());
  auto taken = [&](const RECT& place) {
    for (auto* other : LiveBoxes()) {
      if (other == this || other->GetHWND() == nullptr) continue;
      RECT const at = other->GetWindowRect();
      if (at.left == place.left && at.top == place.top) return true;
    }
    return false;
  };
  // At most one step per box open: each step leaves the place of one of them.
  for (std::size_t i = 0; i < LiveBoxes().size() && taken(rc); ++i) {
    int x = rc.left + kCascadeStep, y = rc.top + kCascadeStep;
    // Back to the work area's top left corner when the next step would leave it.
    if (x + rc.Width() > area.right || y + rc.Height() > area.bottom) x = area.left, y = area.top;
    rc = RECT{x, y, x + rc.Width(), y + rc.Height()};
  }
  SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SoftBoxWindow::InitWindow() {
  for (const Tool& tool : kTools) {
    if (tool.action != nullptr) continue;
    if (auto* control = m_PaintManager.FindControl(tool.name)) {
      control->SetEnabled(false);
      control->SetToolTip(kNotProvidedTip);
    }
  }
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
  } else {
    for (const Tool& tool : kTools)
      if (name == tool.name && tool.action != nullptr) tool.action(*this);
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
