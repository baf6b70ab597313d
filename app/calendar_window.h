#pragma once
// CalendarWindow: the main window. It dispatches its controls' notifications, runs the header clock and
// the month navigation, and shows the month through its grid view (grid/month_grid_view.h), to which its
// grid and detail operations forward.
//
// Lifetime: a heap object. A window-manager close destroys the native window; the object then deletes
// itself on its final message and ends the message loop (exit status 0). "btn_close" only ends the loop:
// the program deletes the object afterwards.
#include <memory>
#include <string>
#include <string_view>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "grid/month_grid_view.h"
#include "ui/ui_framework.h"
#include "windows/select_city_window.h"

// Posted by a day-cell click once the clicked date's month is laid out: wParam month, lParam day.
inline constexpr DuiLib::UINT WM_SELECT_DAY = DuiLib::WM_USER + 10;
// The clock timer on "cal".
inline constexpr DuiLib::UINT kClockTimerId = 1001;
inline constexpr DuiLib::UINT kClockTimerMs = 1000;
// How much the window loses when shrunk to its header, and gets back when enlarged.
inline constexpr int kShrinkHeight = 366;
// The header band's flat colour while shrunk (which the header gradient averages to), and without the
// background picture; the body's colour then.
inline constexpr DuiLib::DWORD kShrunkHeaderColour = 0xFF278ADF;
inline constexpr DuiLib::DWORD kBodyColour = 0xFFFFFFFF;
inline constexpr std::wstring_view kBackgroundImage = L"main_bg.png";

class CalendarWindow : public DuiLib::WindowImplBase {
 public:
  // Uses the almanac store on yiji.db beside the executable.
  CalendarWindow();
  // Uses `lookups` instead (tests, demos).
  explicit CalendarWindow(grid::AlmanacLookups lookups);
  ~CalendarWindow() override;

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"CalendarWindow"; }

  // What the skin must hold, beyond the grid view's controls (MonthGridView::SkinProblem): "root_bg", whose
  // background the shrunk form and the missing-picture fallback change; the clock "now_time"; "btn_close",
  // the only visible way to end a borderless window; and "btn_suoxiao" and "btn_fangda" together or
  // neither (shrunk without a way back, the widget would also reopen shrunk). The tool and navigation
  // buttons, "now_temp" and the pictures are optional: the pickers and the keys navigate as well.
  std::string FindSkinProblem() override;
  // The "windowinit" handler: finds the controls, builds the cells, starts the clock and shows today.
  void InitControls();
  // Every notification of the window's controls; none goes on to the framework.
  void Notify(DuiLib::TNotifyUI& msg) override;
  // WM_NCLBUTTONDBLCLK is swallowed (no maximising); WM_SELECT_DAY selects the cell of its month and day.
  DuiLib::LRESULT HandleMessage(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override;
  // The calendar's keys and wheel, unless a drop-down is open or focused (it keeps its keys): arrows move
  // the selected day (a day or a week, into a neighbour month like a click on its grey day), PageUp and
  // PageDown step a month as ‹ and › do, Home goes to today; the wheel over the grid steps months. Keeps
  // Enter, Escape, Up and Down from the framework's default key handling.
  DuiLib::LRESULT MessageHandler(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                                 bool& handled) override;
  // HTCAPTION over the header's bare background, HTCLIENT elsewhere; never a sizing border.
  DuiLib::LRESULT OnNcHitTest(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                              bool& handled) override;
  DuiLib::LRESULT OnClose(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam, bool& handled) override;
  void OnFinalMessage(DuiLib::HWND window) override;

  // The clock label from the local time; nothing else.
  void RefreshClock();
  // A tick of the clock timer: the clock, and at the first tick of a new date the midnight rule.
  void OnClockTick();
  void GoToToday();
  // One month back / forward in the shown year, day 1 selected (callers stop at January / December).
  void ShowPreviousMonth();
  void ShowNextMonth();
  // Shows the clicked cell's month and posts WM_SELECT_DAY for its date.
  void OnDayCellClick(DayOptionUI* cell);
  // Shows `date`'s month with `date` selected (the memo's choice), as a click on its cell would.
  void ShowChosenDay(const DateTimeRecord& date);
  // 记事本: the note window of the selected day. 备忘: the memo window.
  void OpenSelectedDayNote();
  void OpenMemo();

  // The grid operations (grid/month_grid_view.h).
  void BuildDayCells();
  void HideAllDayCells();
  // The flags (non-zero = yes) select today's cell or the cell of day 1.
  void FillMonthGrid(int year, int month, int selectToday, int selectFirstDay);
  void ShowDayDetails(int year, int month, int day);
  void RefreshAlmanac(DateTimeRecord record);
  void RefreshFestivalTips();
  void ShowFestivalPicture(DayOptionUI* cell);
  void RefreshHolidayMarks();
  void MarkWorkedDays();

  const grid::MonthGridView& Grid() const { return monthGrid; }

  // The form 收起 / 展开 switch between: the header alone (shrunk) or the whole widget. The widget's saved
  // place restores it.
  void SetShrunk(bool shrink);
  bool IsShrunk() const { return shrunk; }

  static constexpr wchar_t kSkinFolder[] = L"skin\\";
  static constexpr wchar_t kSkinFile[] = L"main.xml";
  DuiLib::CDuiString GetSkinFolder() override { return kSkinFolder; }
  DuiLib::CDuiString GetSkinFile() override { return kSkinFile; }

 protected:
  DuiLib::CLabelUI* nowTime = nullptr;
  DuiLib::CLabelUI* nowTemp = nullptr;  // looked up, never written: it keeps the skin's text
  // Never opened; closed on a caption press and on close, should anything ever open it.
  SelectCityWindow cityWindow;
  // The cells (in the base's control tree, which outlives this member) read the view's almanac only when
  // choosing a selected image, never while being destroyed.
  grid::MonthGridView monthGrid;
  // The date today's marker was last placed on (by the last fill of the grid).
  DateTimeRecord markedToday;
  // Null once this window is gone: the note and memo windows it opened call back through it.
  std::shared_ptr<CalendarWindow*> self = std::make_shared<CalendarWindow*>(this);

 private:
  // A header tool and what it starts; null: no function yet (shown disabled, its tooltip says so).
  struct HeaderTool {
    std::wstring_view name;
    void (CalendarWindow::*action)();
  };
  static const HeaderTool* FindHeaderTool(std::wstring_view name);
  void DisableToolsWithoutAction();
  // ‹ and › look disabled, and do nothing, at the ends of the shown year.
  void UpdateMonthSteps();
  // One month back (step -1) or forward inside the shown year; nothing past January or December.
  void StepMonth(int step);
  bool HandleCalendarKey(DuiLib::WPARAM key);
  bool DropDownHasKeys() const;

  void Dispatch(DuiLib::TNotifyUI& msg);
  void SelectDay(int month, int day);  // WM_SELECT_DAY: the first cell holding (month, day)
  // FillMonthGrid, noting the date the today marker now stands on.
  void FillShownMonth(int year, int month, grid::SelectOnFill select);
  // The chain after a change of the shown date to (year, month, day).
  void ShowDate(int year, int month, int day, grid::SelectOnFill select);
  void ShowPickedMonth();  // "itemselect": day 1 of the month the pickers name
  // Without "main_bg.png": a blue header band under the header's controls, a white body.
  void FallBackIfNoBackground();
  void ShrinkWindow(DuiLib::CControlUI* clicked);
  void EnlargeWindow(DuiLib::CControlUI* clicked);
  bool shrunk = false;
  void ConfirmShutdown();
  void ApplyMidnightRule(const DateTimeRecord& today);
  // The note marks again, after a note window saved or deleted.
  void OnNotesChanged();
  // Calls `action` on this window while it exists.
  template <typename Action>
  auto WhileAlive(Action action) {
    return [alive = self, action](auto&&... args) {
      if (*alive != nullptr) action(**alive, args...);
    };
  }
};
