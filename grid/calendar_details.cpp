// CalendarWindow::ShowDayDetails, RefreshAlmanac, RefreshFestivalTips and ShowFestivalPicture.
#include "app/calendar_window.h"
#include "grid/day_details.h"
#include "grid/grid_constants.h"

namespace {

void SetText(DuiLib::CLabelUI* label, const std::wstring& text) {
  if (label != nullptr) label->SetText(text);
}

}  // namespace

void CalendarWindow::ShowDayDetails(int year, int month, int day) {
  auto const details = grid::MakeDayDetails(year, month, day);
  if (!details) return;
  if (comYear != nullptr) comYear->SelectItem(details->yearIndex, false);
  if (comMonth != nullptr) comMonth->SelectItem(details->monthIndex, false);
  SetText(nowWeek, details->week);
  SetText(nowDay, details->day);
  SetText(nowDatetime, details->yearMonth);
  SetText(nowLunar, details->lunar);
  SetText(nowLunarYear, details->lunarYear);
  SetText(nowLunarMonth, details->lunarMonth);
}

void CalendarWindow::RefreshAlmanac(DateTimeRecord record) {
  auto const texts = grid::MakeAlmanacTexts(record, almanac);
  SetText(lblYi, texts.yi);
  SetText(lblJi, texts.ji);
}

void CalendarWindow::RefreshFestivalTips() {
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (auto* cell = DayCell(i)) cell->SetToolTip(grid::FestivalTipFor(cell->date, almanac));
}

void CalendarWindow::ShowFestivalPicture(DayOptionUI* cell) {
  if (cell == nullptr || lblFestival == nullptr) return;
  auto const picture = grid::FestivalPictureFor(cell->date, almanac);
  lblFestival->SetBkImage(picture.image);
  lblFestival->SetToolTip(picture.tooltip);
}
