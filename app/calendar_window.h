#pragma once
// CalendarWindow: the main window.
//
// Its own lifecycle, dispatch, clock and navigation are defined in app/:
//   InitControls                                   app/calendar_window_init.cpp
//   HandleMessage, MessageHandler, OnNcHitTest,
//   OnClose, OnFinalMessage                        app/calendar_window_messages.cpp
//   Notify, shrink / enlarge, shutdown, tool box   app/calendar_window_dispatch.cpp
//   RefreshClock, GoToToday, the month steps,
//   OnDayCellClick, the midnight rule              app/navigation.cpp
//
// Lifetime: a heap object. A window-manager close destroys the native window; the object then deletes
// itself on its final message and ends the message loop (exit status 0). "btn_close" only ends the loop:
// the program deletes the object afterwards.
//
// The grid operations are defined in grid/:
//   BuildDayCells                                  grid/calendar_cells.cpp
//   HideAllDayCells, FillMonthGrid                 grid/calendar_month_fill.cpp
//   ShowDayDetails, RefreshAlmanac,
//   RefreshFestivalTips, ShowFestivalPicture       grid/calendar_details.cpp
//   RefreshHolidayMarks, MarkWorkedDays            grid/calendar_marks.cpp
//
// After a change of the shown date, run: ShowDayDetails → (clock) → FillMonthGrid → RefreshAlmanac →
// RefreshFestivalTips → RefreshHolidayMarks (which ends with MarkWorkedDays).
#include <map>
#include <optional>
#include <string>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "grid/day_option_ui.h"
#include "ui/ui_framework.h"
#include "windows/select_city_window.h"

// Posted by a day-cell click once the clicked date's month is laid out: wParam month, lParam day.
inline constexpr DuiLib::UINT WM_SELECT_DAY = DuiLib::WM_USER + 10;
// The clock timer on "cal".
inline constexpr DuiLib::UINT kClockTimerId = 1001;
inline constexpr DuiLib::UINT kClockTimerMs = 1000;
// How much the window loses when shrunk to its header, and gets back when enlarged.
inline constexpr int kShrinkHeight = 366;

class CalendarWindow : public DuiLib::WindowImplBase {
 public:
  // Uses the almanac store on yiji.db beside the executable.
  CalendarWindow();
  // Uses `lookups` instead (tests, demos).
  explicit CalendarWindow(grid::AlmanacLookups lookups);
  ~CalendarWindow() override;

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"CalendarWindow"; }

  // The "windowinit" handler: finds the controls, builds the cells, starts the clock and shows today.
  void InitControls();
  // Every notification of the window's controls; none goes on to the framework.
  void Notify(DuiLib::TNotifyUI& msg) override;
  // WM_NCLBUTTONDBLCLK is swallowed (no maximising); WM_SELECT_DAY selects the cell of its month and day.
  DuiLib::LRESULT HandleMessage(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override;
  // Keeps Enter, Escape, Up and Down from the framework's default key handling.
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

  // Looks up the named controls the grid operations use ("now_week" ... "cal"); a name the skin lacks
  // leaves its field null, and the operations then skip that control.
  void FindGridControls();

  // Creates the 42 day cells in "cal", hidden, and sets cellsBuilt. Once per window.
  void BuildDayCells();
  // Hides every cell; dates, colours and images stay.
  void HideAllDayCells();
  // Lays (year, month) out on the cells; the flags (non-zero = yes) select today's cell or the cell of day 1.
  // A month outside 1..12 changes nothing.
  void FillMonthGrid(int year, int month, int selectToday, int selectFirstDay);

  // Pickers and header labels for a date; an impossible date, or a year outside 1901..2050, changes nothing.
  void ShowDayDetails(int year, int month, int day);
  // "lbl_yi" and "lbl_ji" for the record's date (its time part is not used).
  void RefreshAlmanac(DateTimeRecord record);
  // Every cell's tooltip: the festival of its month and day (hidden cells too, by their kept dates).
  void RefreshFestivalTips();
  // "lbl_festival": the holiday picture and name of the cell's date, or nothing.
  void ShowFestivalPicture(DayOptionUI* cell);

  // Today's marker, the rest-day marks and holiday names as tooltips (over the festival tips), then
  // MarkWorkedDays.
  void RefreshHolidayMarks();
  // The worked-day image on every shown worked day.
  void MarkWorkedDays();

  // The form 收起 / 展开 switch between: the header alone (shrunk) or the whole widget. The widget's saved
  // place restores it.
  void SetShrunk(bool shrink);
  bool IsShrunk() const { return shrunk; }

  // Cell 1..42 ("cal_cell_i"), or null before BuildDayCells.
  DayOptionUI* DayCell(int i) const;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"main.xml"; }

 protected:
  DuiLib::CLabelUI* nowTime = nullptr;
  DuiLib::CLabelUI* nowWeek = nullptr;
  DuiLib::CLabelUI* nowDay = nullptr;
  DuiLib::CLabelUI* nowDatetime = nullptr;
  DuiLib::CLabelUI* nowLunar = nullptr;
  DuiLib::CLabelUI* nowLunarYear = nullptr;
  DuiLib::CLabelUI* nowLunarMonth = nullptr;
  DuiLib::CLabelUI* lblYi = nullptr;
  DuiLib::CLabelUI* lblJi = nullptr;
  DuiLib::CLabelUI* lblFestival = nullptr;
  DuiLib::CComboUI* comYear = nullptr;   // item i: year 1900 + i
  DuiLib::CComboUI* comMonth = nullptr;  // item m: month m (item 0 stands for no month)
  DuiLib::CContainerUI* calGrid = nullptr;
  DuiLib::CLabelUI* nowTemp = nullptr;  // looked up, never written: it keeps the skin's text
  // Never opened; closed on a caption press and on close, should anything ever open it.
  SelectCityWindow cityWindow;
  // "cal_cell_i" → cell. Not owning: "cal" owns the cells.
  std::map<std::wstring, DayOptionUI*> dayCells;
  int cellsBuilt = 0;
  // The almanac the operations and the cells ask. The cells (in the base's control tree, which outlives
  // this member) read it only when choosing a selected image, never while being destroyed.
  grid::AlmanacLookups almanac;
  // The date today's marker was last placed on (by the last fill of the grid).
  DateTimeRecord markedToday;

 private:
  void Dispatch(DuiLib::TNotifyUI& msg);
  void SelectDay(int month, int day);  // WM_SELECT_DAY: the first cell holding (month, day)
  // FillMonthGrid, noting the date the today marker now stands on.
  void FillShownMonth(int year, int month, int selectToday, int selectFirstDay);
  // The chain after a change of the shown date to (year, month, day).
  void ShowDate(int year, int month, int day, int selectToday, int selectFirstDay);
  void ShowPickedMonth();  // "itemselect": day 1 of the month the pickers name
  void ShrinkWindow(DuiLib::CControlUI* clicked);
  void EnlargeWindow(DuiLib::CControlUI* clicked);
  bool shrunk = false;
  void ConfirmShutdown();
  bool IsDayCell(const DuiLib::CControlUI* control) const;
  std::optional<DateTimeRecord> SelectedShownDate() const;
  void ApplyMidnightRule(const DateTimeRecord& today);
};
