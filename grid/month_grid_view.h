#pragma once
// MonthGridView: the month grid of the main window and the controls beside it that show the selected day —
// the 42 day cells, the two pickers, the header's date labels, the 宜/忌 labels and the festival picture —
// with the almanac look-ups they ask.
//
// It holds the controls it fills directly (found once, or built) and owns none of them: the window's control
// tree does ("cal" owns the cells). A control the skin lacks stays unset, and every operation skips it.
//
// After a change of the shown date a window runs: ShowDayDetails → (its clock) → FillMonthGrid →
// RefreshAlmanac → RefreshFestivalTips → RefreshHolidayMarks (which ends with MarkWorkedDays).
#include <array>
#include <optional>
#include <string>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "grid/day_option_ui.h"
#include "grid/grid_constants.h"
#include "grid/month_plan.h"
#include "ui/ui_framework.h"

namespace grid {

// The month the pickers name, read back as the user left them.
struct PickedMonth {
  int year = 0;   // from "com_year" (YearOfPickerIndex)
  int month = 0;  // "com_month"'s index
};

class MonthGridView {
 public:
  // `lookups` answers every almanac question of the view and of its cells; the cells keep a pointer to it,
  // so the view must outlive any use of the cells (it lives as long as its window object).
  explicit MonthGridView(AlmanacLookups lookups);

  MonthGridView(const MonthGridView&) = delete;
  MonthGridView& operator=(const MonthGridView&) = delete;

  // What the view cannot work without and the window's tree lacks, or empty: the date labels, the two
  // pickers with exactly their items (item i of "com_year" is year YearOfPickerIndex(i) up to the last
  // supported year, item m of "com_month" is month m), the 宜/忌 labels and "cal". The festival picture
  // and the 宜/忌 marks are decoration and may be left out.
  static std::string SkinProblem(const DuiLib::CPaintManagerUI& manager);
  // Looks up the named controls in the window's tree ("now_week" ... "cal").
  void FindControls(DuiLib::CPaintManagerUI& manager);

  // Creates the 42 day cells in "cal", hidden, at their places. Once per window.
  void BuildDayCells();
  bool CellsBuilt() const { return cellsBuilt_; }
  // Hides every cell; dates, colours and images stay.
  void HideAllDayCells();
  // Lays (year, month) out on the cells and selects what `select` asks for, with its selected image and
  // festival picture. A month outside 1..12 changes nothing.
  void FillMonthGrid(int year, int month, SelectOnFill select);

  // Pickers and header labels for a date; an impossible date, or a year outside the supported years,
  // changes nothing.
  void ShowDayDetails(int year, int month, int day);
  // "lbl_yi" and "lbl_ji" for the record's date (its time part is not used): the two words shown, every
  // word as the rows' tooltips, or why the almanac gave none.
  void RefreshAlmanac(const DateTimeRecord& record);
  // Every cell's tooltip: the festival of its month and day (hidden cells too, by their kept dates).
  void RefreshFestivalTips();
  // "lbl_festival": the holiday picture and name of the cell's date (the selected day), or nothing.
  void ShowFestivalPicture(DayOptionUI* cell);
  // Today's marker, the rest-day marks and holiday names as tooltips (over the festival tips), then
  // MarkWorkedDays.
  void RefreshHolidayMarks();
  // The worked-day image on every shown worked day.
  void MarkWorkedDays();
  // The note marks: every cell whose day has a note gets its mark and the note's first line below its
  // tooltip; the header's 记事本 button names the selected day's note and shows its mark ("lbl_note_mark").
  void RefreshNoteMarks();

  // Cell 1..42, or null before BuildDayCells (or when "cal" is missing).
  DayOptionUI* DayCell(int i) const;
  bool IsDayCell(const DuiLib::CControlUI* control) const;
  // The first cell holding (month, day), shown cells first: hidden cells keep the dates of older fills, and
  // January's hidden leading cells can hold 1 January of another year. Null when none does.
  DayOptionUI* CellOf(int month, int day) const;
  // The shown cell `offset` places after the selected shown cell (before it when negative), counted row
  // by row; null when no shown cell is selected or that place is hidden or off the grid.
  DayOptionUI* ShownCellBeside(int offset) const;
  // The date of the selected cell when it is shown.
  std::optional<DateTimeRecord> SelectedShownDate() const;
  // The selected shown cell chooses its selected image again (it may have been chosen while the cell was
  // not yet today, or was today).
  void RefreshSelectedImage();

  // The pickers' month; nothing when the skin lacks either picker.
  std::optional<PickedMonth> ShownMonth() const;
  // "cal", the cells' container (null when the skin lacks it).
  DuiLib::CContainerUI* Container() const { return calGrid_; }

 private:
  AlmanacLookups almanac_;
  std::array<DayOptionUI*, kCellCount> cells_{};  // not owning: "cal" owns them
  bool cellsBuilt_ = false;

  DuiLib::CLabelUI* nowWeek_ = nullptr;
  DuiLib::CLabelUI* nowDay_ = nullptr;
  DuiLib::CLabelUI* nowDatetime_ = nullptr;
  DuiLib::CLabelUI* nowLunar_ = nullptr;
  DuiLib::CLabelUI* nowLunarYear_ = nullptr;
  DuiLib::CLabelUI* nowLunarMonth_ = nullptr;
  DuiLib::CLabelUI* lblYi_ = nullptr;
  DuiLib::CLabelUI* lblJi_ = nullptr;
  DuiLib::CControlUI* lblYiMark_ = nullptr;
  DuiLib::CControlUI* lblJiMark_ = nullptr;
  DuiLib::CLabelUI* lblFestival_ = nullptr;
  DuiLib::CComboUI* comYear_ = nullptr;   // item i: YearOfPickerIndex(i)
  DuiLib::CComboUI* comMonth_ = nullptr;  // item m: month m (item 0 stands for no month)
  DuiLib::CContainerUI* calGrid_ = nullptr;
  DuiLib::CControlUI* btnNotePad_ = nullptr;
  DuiLib::CControlUI* noteMark_ = nullptr;
};

}  // namespace grid
