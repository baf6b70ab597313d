#pragma once
// CalendarWindow: the main window. This header holds what the month grid and the detail labels need;
// the window's own lifecycle (InitControls, Notify, the message hooks) joins it in app/.
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
#include <string>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "grid/day_option_ui.h"
#include "ui/ui_framework.h"

class CalendarWindow : public DuiLib::WindowImplBase {
 public:
  // Uses the almanac store on yiji.db beside the executable.
  CalendarWindow();
  // Uses `lookups` instead (tests, demos).
  explicit CalendarWindow(grid::AlmanacLookups lookups);
  ~CalendarWindow() override;

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"CalendarWindow"; }

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

  // Cell 1..42 ("cal_cell_i"), or null before BuildDayCells.
  DayOptionUI* DayCell(int i) const;

 protected:
  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"main.xml"; }

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
  // "cal_cell_i" → cell. Not owning: "cal" owns the cells.
  std::map<std::wstring, DayOptionUI*> dayCells;
  int cellsBuilt = 0;
  // The almanac the operations and the cells ask. The cells (in the base's control tree, which outlives
  // this member) read it only when choosing a selected image, never while being destroyed.
  grid::AlmanacLookups almanac;
};
