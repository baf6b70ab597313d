// MonthGridView: the holiday, worked-day and today marks applied to the cells.
#include "grid/holiday_marks.h"
#include "grid/month_grid_view.h"
#include "grid/today.h"
#include "platform/code_page.h"

namespace grid {
namespace {

GridCells Snapshot(const MonthGridView& view) {
  GridCells cells;
  for (int i = 1; i <= kCellCount; ++i)
    if (const auto* cell = view.DayCell(i)) cells[i - 1] = {cell->date, cell->IsVisible(), cell->GetBkImage()};
  return cells;
}

}  // namespace

void MonthGridView::RefreshHolidayMarks() {
  auto const marks = PlanHolidayMarks(Snapshot(*this), Today(), almanac_);
  for (int i = 1; i <= kCellCount; ++i) {
    auto* cell = DayCell(i);
    if (cell == nullptr) continue;
    const auto& mark = marks[i - 1];
    if (mark.tooltip) cell->SetToolTip(*mark.tooltip);
    cell->SetBkImage(mark.bkImage);
  }
  MarkWorkedDays();
  RefreshNoteMarks();
}

void MonthGridView::MarkWorkedDays() {
  auto const worked = WorkedDayCells(Snapshot(*this), almanac_);
  for (int i = 1; i <= kCellCount; ++i)
    if (worked[i - 1]) DayCell(i)->SetBkImage(kWorkedDayImage);
}

void MonthGridView::RefreshNoteMarks() {
  for (auto* cell : cells_) {
    if (cell == nullptr) continue;
    auto const line = almanac_.queryNote(cell->date);
    if (cell->hasNote != line.has_value()) {
      cell->hasNote = line.has_value();
      cell->Invalidate();
    }
    std::wstring tip = cell->GetToolTip();
    if (!cell->noteTip.empty() && tip.ends_with(cell->noteTip)) tip.resize(tip.size() - cell->noteTip.size());
    cell->noteTip = line ? (tip.empty() ? L"" : L"\n") + std::wstring(L"记事：") + platform::Utf8ToWide(*line) : L"";
    cell->SetToolTip(tip + cell->noteTip);
  }
  auto const selected = SelectedShownDate();
  auto const line = selected ? almanac_.queryNote(*selected) : std::nullopt;
  if (btnNotePad_ != nullptr) btnNotePad_->SetToolTip(line ? L"记事本：" + platform::Utf8ToWide(*line) : L"记事本");
  if (noteMark_ != nullptr) noteMark_->SetVisible(line.has_value());
}

}  // namespace grid
