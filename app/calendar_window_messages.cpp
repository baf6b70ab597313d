// CalendarWindow's window-level hooks: the select-day message, the key pre-filter, the caption hit test,
// closing and the final message.
#include "app/calendar_window.h"
#include "app/message_rules.h"
#include "grid/almanac_errors.h"

using namespace DuiLib;

LRESULT CalendarWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // A caption double-click would maximise or restore a framed window; this one keeps its size.
  if (uMsg == WM_NCLBUTTONDBLCLK) return 1;
  if (uMsg == WM_SELECT_DAY)
    grid::NameAlmanacErrors([&] { SelectDay(static_cast<int>(wParam), static_cast<int>(lParam)); });
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CalendarWindow::SelectDay(int month, int day) {
  // The message carries no year: the view finds the cell, preferring shown cells to hidden ones.
  auto* cell = monthGrid.CellOf(month, day);
  if (cell == nullptr) return;
  cell->Selected(true);
  RefreshAlmanac(cell->date);
  RefreshFestivalTips();
  RefreshHolidayMarks();
  ShowFestivalPicture(cell);
  if (cell->IsVisible()) cell->ChooseSelectedImage();
}

bool CalendarWindow::DropDownHasKeys() const {
  auto const* focus = m_PaintManager.GetFocus();
  return m_PaintManager.GetPopup() != nullptr || (focus != nullptr && focus->GetClass() == L"ComboUI");
}

bool CalendarWindow::HandleCalendarKey(WPARAM key) {
  auto const offset = SelectionStep(key);
  if (offset != 0) {
    // Like a click on that cell: a grey day of a neighbour month shows that month.
    if (auto* cell = monthGrid.ShownCellBeside(offset)) OnDayCellClick(cell);
    return true;
  }
  switch (key) {
    case VK_PRIOR: StepMonth(-1); return true;
    case VK_NEXT: StepMonth(+1); return true;
    case VK_HOME: GoToToday(); return true;
    default: return false;
  }
}

LRESULT CalendarWindow::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (uMsg == WM_KEYDOWN && !DropDownHasKeys()) {
    grid::NameAlmanacErrors([&] { handled = HandleCalendarKey(wParam); });
    if (handled) return 0;
  }
  if (uMsg == WM_MOUSEWHEEL && m_PaintManager.GetPopup() == nullptr) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // a screen point
    ScreenToClient(GetHWND(), &pt);
    auto const* cal = monthGrid.Container();
    auto const delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (cal != nullptr && cal->IsVisible() && cal->GetPos().Contains(pt) && delta != 0) {
      // Up goes back in time, as scrolling up through a list of months would.
      grid::NameAlmanacErrors([&] { StepMonth(delta > 0 ? -1 : +1); });
      handled = true;
      return 0;
    }
  }
  if (uMsg != WM_KEYDOWN || IsFilteredKey(wParam)) return 0;
  WindowImplBase::MessageHandler(uMsg, wParam, lParam, handled);
  return 0;
}

LRESULT CalendarWindow::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& handled) {
  handled = true;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(GetHWND(), &pt);
  RECT client;
  GetClientRect(GetHWND(), &client);
  const RECT& caption = m_PaintManager.GetCaptionRect();
  if (pt.x >= client.left + caption.left && pt.x < client.right - caption.right && pt.y >= caption.top &&
      pt.y < caption.bottom) {
    CControlUI* control = m_PaintManager.FindControl(pt);
    if (control != nullptr && IsCaptionBackgroundClass(control->GetClass())) {
      cityWindow.CloseIfOpen();
      return HTCAPTION;
    }
  }
  return HTCLIENT;
}

LRESULT CalendarWindow::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;  // the framework goes on and destroys the native window
  cityWindow.CloseIfOpen();
  return 0;
}

void CalendarWindow::OnFinalMessage(HWND window) {
  if (window == nullptr) return;
  // The window manager closed the main window: nothing is left to show, so the program ends, with status 0
  // like "btn_close". Tool boxes still open are closed by the program after its loop.
  PostQuitMessage(0);
  delete this;
}
