// MonthGridView: finding the controls, building the cells, laying a month out on them.
#include "grid/month_grid_view.h"

#include <memory>
#include <utility>

#include "grid/cell_layout.h"
#include "grid/today.h"
#include "platform/code_page.h"

using namespace DuiLib;

namespace grid {

MonthGridView::MonthGridView(AlmanacLookups lookups) : almanac_(std::move(lookups)) {}

std::string MonthGridView::SkinProblem(const CPaintManagerUI& manager) {
  static constexpr RequiredControl kRequired[] = {
      {L"now_week", ControlKind::label},       {L"now_day", ControlKind::label},
      {L"now_datetime", ControlKind::label},   {L"now_lunar", ControlKind::label},
      {L"now_lunarYear", ControlKind::label},  {L"now_lunarMonth", ControlKind::label},
      {L"com_year", ControlKind::combo},       {L"com_month", ControlKind::combo},
      {L"lbl_yi", ControlKind::label},         {L"lbl_ji", ControlKind::label},
      {kCalendarContainer, ControlKind::container},
  };
  std::string problem = MissingControls(manager, kRequired);
  // The shown month lives in the pickers' indices: a picker without an item for every year or month
  // would show another month than the grid, or none.
  std::string const lastYear = std::to_string(lunar::kLastYear);
  struct Picker {
    std::wstring_view name;
    int items;
    std::string meaning;
  };
  Picker const pickers[] = {
      {L"com_year", YearPickerIndex(lunar::kLastYear) + 1,
       "item i is the year " + std::to_string(YearOfPickerIndex(0)) + " + i, up to " + lastYear},
      {L"com_month", 13, "item m is the month m; item 0 stands for none"},
  };
  for (auto const& picker : pickers) {
    auto const* combo = dynamic_cast<const CComboUI*>(manager.FindControl(picker.name));
    if (combo == nullptr || combo->GetCount() == picker.items) continue;
    if (!problem.empty()) problem += "; ";
    problem += "\"" + platform::WideToUtf8(picker.name) + "\" holds " + std::to_string(combo->GetCount()) +
               " items, not " + std::to_string(picker.items) + " (" + picker.meaning + ")";
  }
  return problem;
}

void MonthGridView::FindControls(CPaintManagerUI& manager) {
  auto label = [&manager](std::wstring_view name) { return dynamic_cast<CLabelUI*>(manager.FindControl(name)); };
  nowWeek_ = label(L"now_week");
  nowDay_ = label(L"now_day");
  nowDatetime_ = label(L"now_datetime");
  nowLunar_ = label(L"now_lunar");
  nowLunarYear_ = label(L"now_lunarYear");
  nowLunarMonth_ = label(L"now_lunarMonth");
  comYear_ = dynamic_cast<CComboUI*>(manager.FindControl(L"com_year"));
  comMonth_ = dynamic_cast<CComboUI*>(manager.FindControl(L"com_month"));
  lblYi_ = label(L"lbl_yi");
  lblJi_ = label(L"lbl_ji");
  lblYiMark_ = manager.FindControl(L"lbl_yi_mark");
  lblJiMark_ = manager.FindControl(L"lbl_ji_mark");
  lblFestival_ = label(L"lbl_festival");
  calGrid_ = dynamic_cast<CContainerUI*>(manager.FindControl(kCalendarContainer));
  btnNotePad_ = manager.FindControl(L"btn_notePad");
  noteMark_ = manager.FindControl(L"lbl_note_mark");
}

void MonthGridView::BuildDayCells() {
  for (int i = 1; i <= kCellCount; ++i) {
    auto cell = std::make_unique<DayOptionUI>(&almanac_);
    if (calGrid_ == nullptr || !calGrid_->Add(cell.get())) continue;  // not taken: the cell is freed here
    auto* owned = cell.release();                                      // "cal" owns it now
    cells_[i - 1] = owned;
    owned->SetAttribute(L"pos", CellPosText(i));
    owned->SetAttribute(L"float", L"true");
    owned->SetAttribute(L"name", CellName(i));
    owned->SetVisible(false);
  }
  cellsBuilt_ = true;
}

DayOptionUI* MonthGridView::DayCell(int i) const { return i >= 1 && i <= kCellCount ? cells_[i - 1] : nullptr; }

bool MonthGridView::IsDayCell(const CControlUI* control) const {
  for (auto const* cell : cells_)
    if (cell != nullptr && cell == control) return true;
  return false;
}

DayOptionUI* MonthGridView::CellOf(int month, int day) const {
  for (bool shown : {true, false})
    for (auto* cell : cells_)
      if (cell != nullptr && cell->IsVisible() == shown && cell->date.month == month && cell->date.day == day)
        return cell;
  return nullptr;
}

DayOptionUI* MonthGridView::ShownCellBeside(int offset) const {
  for (int i = 1; i <= kCellCount; ++i) {
    auto const* cell = cells_[i - 1];
    if (cell == nullptr || !cell->IsSelected() || !cell->IsVisible()) continue;
    auto* beside = DayCell(i + offset);
    return beside != nullptr && beside->IsVisible() ? beside : nullptr;
  }
  return nullptr;
}

std::optional<DateTimeRecord> MonthGridView::SelectedShownDate() const {
  for (auto const* cell : cells_)
    if (cell != nullptr && cell->IsSelected() && cell->IsVisible()) return cell->date;
  return std::nullopt;
}

void MonthGridView::RefreshSelectedImage() {
  for (auto* cell : cells_)
    if (cell != nullptr && cell->IsSelected() && cell->IsVisible()) cell->ChooseSelectedImage();
}

std::optional<PickedMonth> MonthGridView::ShownMonth() const {
  if (comYear_ == nullptr || comMonth_ == nullptr) return std::nullopt;
  return PickedMonth{YearOfPickerIndex(comYear_->GetCurSel()), comMonth_->GetCurSel()};
}

void MonthGridView::HideAllDayCells() {
  for (auto* cell : cells_)
    if (cell != nullptr) cell->SetVisible(false);
}

void MonthGridView::FillMonthGrid(int year, int month, SelectOnFill select) {
  if (month < 1 || month > 12) return;
  HideAllDayCells();
  auto const plan = PlanMonth(year, month, Today(), select);
  for (const auto& fill : plan.fills) {
    auto* cell = DayCell(fill.cell);
    if (cell == nullptr) continue;
    cell->SetVisible(true);
    cell->date = fill.date;
    cell->Invalidate();
    cell->SetAttribute(L"textcolor", fill.textColour);
    cell->SetBkImage(fill.bkImage);
    if (fill.selectAsFirstDay || fill.selectAsToday) {
      cell->Selected(true);
      // The cell may carry the image of a rest or worked day it held in another month.
      cell->ChooseSelectedImage();
      // The picture belongs to the selected day: one left from another month would be stale.
      ShowFestivalPicture(cell);
    }
  }
}

}  // namespace grid
