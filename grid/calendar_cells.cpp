// CalendarWindow::BuildDayCells and the cell look-up.
#include <memory>

#include "app/calendar_window.h"
#include "grid/cell_layout.h"
#include "grid/grid_constants.h"

using namespace DuiLib;

void CalendarWindow::FindGridControls() {
  auto& pm = m_PaintManager;
  auto label = [&pm](std::wstring_view name) { return dynamic_cast<CLabelUI*>(pm.FindControl(name)); };
  nowWeek = label(L"now_week");
  nowDay = label(L"now_day");
  nowDatetime = label(L"now_datetime");
  nowLunar = label(L"now_lunar");
  nowLunarYear = label(L"now_lunarYear");
  nowLunarMonth = label(L"now_lunarMonth");
  comYear = dynamic_cast<CComboUI*>(pm.FindControl(L"com_year"));
  comMonth = dynamic_cast<CComboUI*>(pm.FindControl(L"com_month"));
  lblYi = label(L"lbl_yi");
  lblJi = label(L"lbl_ji");
  lblFestival = label(L"lbl_festival");
  calGrid = dynamic_cast<CContainerUI*>(pm.FindControl(grid::kCalendarContainer));
}

void CalendarWindow::BuildDayCells() {
  for (int i = 1; i <= grid::kCellCount; ++i) {
    auto cell = std::make_unique<DayOptionUI>(&almanac);
    if (calGrid == nullptr || !calGrid->Add(cell.get())) continue;  // not taken: the cell is freed here
    auto* owned = cell.release();                                    // "cal" owns it now
    auto const name = grid::CellName(i);
    dayCells[name] = owned;
    owned->SetAttribute(L"pos", grid::CellPosText(i));
    owned->SetAttribute(L"float", L"true");
    owned->SetAttribute(L"name", name);
    owned->SetVisible(false);
  }
  cellsBuilt = 1;
}

DayOptionUI* CalendarWindow::DayCell(int i) const {
  auto const it = dayCells.find(grid::CellName(i));
  return it == dayCells.end() ? nullptr : it->second;
}
