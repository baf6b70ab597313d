// CalendarWindow::Notify: the command dispatch, with the window's own small actions (shrinking and
// enlarging, the shutdown confirmation, opening a tool box).
#include "app/calendar_window.h"
#include "grid/almanac_errors.h"
#include "platform/command_runner.h"
#include "windows/memo_window.h"
#include "windows/note_window.h"
#include "windows/soft_box_window.h"

using namespace DuiLib;

void CalendarWindow::Notify(TNotifyUI& msg) {
  grid::NameAlmanacErrors([&] { Dispatch(msg); });
}

void CalendarWindow::Dispatch(TNotifyUI& msg) {
  const CDuiString& type = msg.sType;
  if (type == L"click") {
    if (msg.pSender == nullptr) return;
    const CDuiString& name = msg.pSender->GetName();
    if (name == L"btn_close") {
      if (auto* cal = monthGrid.Container()) m_PaintManager.KillTimer(cal);
      PostQuitMessage(0);
    } else if (name == L"btn_suoxiao") {
      ShrinkWindow(msg.pSender);
    } else if (name == L"btn_fangda") {
      EnlargeWindow(msg.pSender);
    } else if (name == L"btn_up_month") {
      StepMonth(-1);
    } else if (name == L"btn_today") {
      GoToToday();
    } else if (name == L"btn_next_month") {
      StepMonth(+1);
    } else if (auto const* tool = FindHeaderTool(name)) {
      if (tool->action != nullptr) (this->*tool->action)();
    } else if (name == L"btn_shutdown") {
      ConfirmShutdown();
    } else if (name == L"btn_app") {
      // The box lives on its own and deletes itself when closed; each click opens one more.
      SoftBoxWindow::Open({WhileAlive([](CalendarWindow& w) { w.OpenSelectedDayNote(); }),
                           WhileAlive([](CalendarWindow& w) { w.OpenMemo(); })});
    } else if (monthGrid.IsDayCell(msg.pSender)) {
      OnDayCellClick(static_cast<DayOptionUI*>(msg.pSender));
    }
  } else if (type == L"itemselect") {
    if (monthGrid.CellsBuilt()) ShowPickedMonth();
  } else if (type == L"timer") {
    if (auto* cal = monthGrid.Container(); cal != nullptr && msg.pSender == cal) OnClockTick();
  } else if (type == L"windowinit") {
    InitControls();
  }
  // "killfocus", "return", "select_list_item", "textchanged", "keydown" and any other type: nothing.
}

void CalendarWindow::SetShrunk(bool shrink) {
  if (shrink == shrunk) return;
  if (auto* button = m_PaintManager.FindControl(shrink ? L"btn_suoxiao" : L"btn_fangda")) {
    if (shrink) ShrinkWindow(button);
    else EnlargeWindow(button);
  }
}

const CalendarWindow::HeaderTool* CalendarWindow::FindHeaderTool(std::wstring_view name) {
  // What the header's tools start. A null action: no function yet.
  static constexpr HeaderTool kTools[] = {
      {L"btn_notePad", &CalendarWindow::OpenSelectedDayNote},
      {L"btn_screenshot", nullptr},
  };
  for (const auto& tool : kTools)
    if (tool.name == name) return &tool;
  return nullptr;
}

void CalendarWindow::DisableToolsWithoutAction() {
  for (auto const name : {L"btn_notePad", L"btn_screenshot"}) {
    auto const* tool = FindHeaderTool(name);
    auto* control = m_PaintManager.FindControl(name);
    if (tool == nullptr || tool->action != nullptr || control == nullptr) continue;
    control->SetEnabled(false);
    // The skin's tooltip names the tool ("记事本"); it now also says that it does nothing yet.
    auto const named = control->GetToolTip();
    control->SetToolTip(named.empty() ? CDuiString(kNotProvidedTip) : named + L"：" + CDuiString(kNotProvidedTip));
  }
}

void CalendarWindow::UpdateMonthSteps() {
  auto const shown = monthGrid.ShownMonth();
  if (!shown) return;
  if (auto* previous = m_PaintManager.FindControl(L"btn_up_month")) previous->SetEnabled(shown->month != 1);
  if (auto* next = m_PaintManager.FindControl(L"btn_next_month")) next->SetEnabled(shown->month != 12);
}

void CalendarWindow::StepMonth(int step) {
  // Stepping stays inside the shown year: nothing before January or after December.
  auto const shown = monthGrid.ShownMonth();
  if (!shown) return;
  if (step < 0 && shown->month != 1) ShowPreviousMonth();
  if (step > 0 && shown->month != 12) ShowNextMonth();
}

void CalendarWindow::ShrinkWindow(CControlUI* clicked) {
  shrunk = true;
  RECT rc;
  GetWindowRect(GetHWND(), &rc);
  if (auto* root = m_PaintManager.FindControl(L"root_bg")) {
    root->SetBkImage(L"");
    root->SetBkColor(kShrunkHeaderColour);
  }
  SetWindowPos(GetHWND(), HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top - kShrinkHeight,
               SWP_SHOWWINDOW);
  if (auto* enlarge = m_PaintManager.FindControl(L"btn_fangda")) enlarge->SetVisible(true);
  clicked->SetVisible(false);
}

void CalendarWindow::EnlargeWindow(CControlUI* clicked) {
  shrunk = false;
  RECT rc;
  GetWindowRect(GetHWND(), &rc);
  // The image covers the whole window; the body's white underneath shows only should it be missing.
  if (auto* root = m_PaintManager.FindControl(L"root_bg")) {
    root->SetBkImage(kBackgroundImage);
    root->SetBkColor(kBodyColour);
  }
  SetWindowPos(GetHWND(), HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top + kShrinkHeight,
               SWP_SHOWWINDOW);
  if (auto* shrink = m_PaintManager.FindControl(L"btn_suoxiao")) shrink->SetVisible(true);
  clicked->SetVisible(false);
}

void CalendarWindow::ConfirmShutdown() {
  // Owned by this window so that the box shows in the widget's face, over the widget.
  if (MessageBoxW(GetHWND(), L"确认立即关机?", L"提示", MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) return;
  platform::RunCommandLine(platform::PowerOffCommandLine());
}

void CalendarWindow::OpenSelectedDayNote() {
  auto const date = monthGrid.SelectedShownDate();
  if (!date) return;
  NoteWindow::Open(*date, WhileAlive([](CalendarWindow& w) { w.OnNotesChanged(); }));
}

void CalendarWindow::OpenMemo() {
  MemoWindow::Open(WhileAlive([](CalendarWindow& w, const DateTimeRecord& date) {
    w.ShowChosenDay(date);
    w.ShowWindow(true, true);
  }));
}

void CalendarWindow::OnNotesChanged() {
  grid::NameAlmanacErrors([&] {
    RefreshFestivalTips();
    RefreshHolidayMarks();  // ends with the note marks
  });
  if (auto* memo = MemoWindow::OpenWindow()) memo->Reload();
}
