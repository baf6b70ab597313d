// MonthGridView: the selected day's details, the almanac words, the festival tips and picture.
#include "grid/day_details.h"
#include "grid/month_grid_view.h"

namespace grid {
namespace {

void SetText(DuiLib::CLabelUI* label, const std::wstring& text) {
  if (label != nullptr) label->SetText(text);
}

}  // namespace

void MonthGridView::ShowDayDetails(int year, int month, int day) {
  auto const details = MakeDayDetails(year, month, day);
  if (!details) return;
  if (comYear_ != nullptr) comYear_->SelectItem(details->yearIndex, false);
  if (comMonth_ != nullptr) comMonth_->SelectItem(details->monthIndex, false);
  SetText(nowWeek_, details->week);
  SetText(nowDay_, details->day);
  SetText(nowDatetime_, details->yearMonth);
  SetText(nowLunar_, details->lunar);
  SetText(nowLunarYear_, details->lunarYear);
  SetText(nowLunarMonth_, details->lunarMonth);
}

void MonthGridView::RefreshAlmanac(const DateTimeRecord& record) {
  auto const texts = MakeAlmanacTexts(record, almanac_);
  SetText(lblYi_, texts.yi);
  SetText(lblJi_, texts.ji);
  // Hovering a row, its mark or its words, shows every word of the day.
  for (auto* control : {static_cast<DuiLib::CControlUI*>(lblYi_), lblYiMark_})
    if (control != nullptr) control->SetToolTip(texts.yiTip);
  for (auto* control : {static_cast<DuiLib::CControlUI*>(lblJi_), lblJiMark_})
    if (control != nullptr) control->SetToolTip(texts.jiTip);
}

void MonthGridView::RefreshFestivalTips() {
  for (auto* cell : cells_)
    if (cell != nullptr) cell->SetToolTip(FestivalTipFor(cell->date, almanac_));
}

void MonthGridView::ShowFestivalPicture(DayOptionUI* cell) {
  if (cell == nullptr || lblFestival_ == nullptr) return;
  auto const picture = FestivalPictureFor(cell->date, almanac_);
  lblFestival_->SetBkImage(picture.image);
  lblFestival_->SetToolTip(picture.tooltip);
}

}  // namespace grid
