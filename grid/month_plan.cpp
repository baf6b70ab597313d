#include "grid/month_plan.h"

#include "grid/grid_constants.h"
#include "lunar/gregorian.h"

namespace grid {

int ColumnOf(int year, int month, int day) {
  return lunar::WeekdayOf(year, month, day) % 7 + 1;  // WeekdayOf: 1 = Monday .. 7 = Sunday
}

namespace {

CellFill Fill(int cell, int year, int month, int day, std::wstring_view colour) {
  CellFill fill;
  fill.cell = cell;
  fill.date = {year, month, day, 0, 0, 0};
  fill.textColour = colour;
  return fill;
}

}  // namespace

const CellFill* MonthPlan::Find(int cell) const {
  for (const auto& fill : fills)
    if (fill.cell == cell) return &fill;
  return nullptr;
}

MonthPlan PlanMonth(int year, int month, const DateTimeRecord& today, SelectOnFill select) {
  MonthPlan plan;
  plan.firstColumn = ColumnOf(year, month, 1);
  auto const leading = plan.firstColumn - 1;  // [0, 6]
  auto const length = lunar::DaysInMonth(year, month);
  plan.fills.reserve(kCellCount);

  if (month != 1) {
    auto const previousLength = lunar::DaysInMonth(year, month - 1);
    for (int k = leading; k >= 1; --k)
      plan.fills.push_back(Fill(k, year, month - 1, previousLength - leading + k, kNeighbourMonthColour));
  }

  for (int d = 1; d <= length; ++d) {
    auto fill = Fill(leading + d, year, month, d, kShownMonthColour);
    fill.selectAsFirstDay = select.firstDay && d == 1;
    fill.isToday = today.year == year && today.month == month && today.day == d;
    if (fill.isToday) {
      fill.bkImage = kTodayImage;
      fill.selectAsToday = select.today;
    }
    plan.fills.push_back(fill);
  }

  if (month != 12) {
    int t = 1;
    for (int cell = leading + length + 1; cell <= kCellCount; ++cell, ++t)
      plan.fills.push_back(Fill(cell, year, month + 1, t, kNeighbourMonthColour));
  }
  return plan;
}

}  // namespace grid
