// The grid operations of CalendarWindow on the headless host: building the cells, filling months, the
// selection and today's marker.
#include <gtest/gtest.h>

#include "grid/grid_constants.h"
#include "grid_window_support.h"

namespace {

using namespace gridtest;
using namespace grid;

TEST_F(GridWindowTest, BuildsFortyTwoHiddenCellsInTheGridContainer) {
  auto& w = Open();
  EXPECT_EQ(w.CellsBuilt(), 1);
  EXPECT_EQ(w.CellMapSize(), 42u);
  ASSERT_NE(w.Grid(), nullptr);
  EXPECT_EQ(w.Grid()->GetCount(), 42);
  for (int i = 1; i <= 42; ++i) {
    SCOPED_TRACE(i);
    auto* cell = w.DayCell(i);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(w.Find(CellName(i)), cell);
    EXPECT_EQ(cell->GetClass(), L"OptionUI");
    EXPECT_FALSE(cell->IsVisible());
    EXPECT_FALSE(cell->IsSelected());
    EXPECT_EQ(cell->date, Date(0, 0, 0));
    EXPECT_EQ(cell->GetGroup(), kCellGroup);
    EXPECT_EQ(cell->GetSelectedImage(), kDefaultSelectedImage);
    EXPECT_TRUE(cell->IsFloat());
    auto const r = CellRect(i);
    EXPECT_EQ(cell->GetFixedPos(), (RECT{r.left, r.top, r.right, r.bottom}));
  }
  w.FillMonthGrid(2015, 2, 0, 0);  // shows cells 1-42
  host.RunUntilIdle();              // lays the window out
  auto const origin = w.Grid()->GetPos();
  EXPECT_EQ(w.DayCell(8)->GetPos(), (RECT{origin.left, origin.top + 49, origin.left + 49, origin.top + 99}));
  EXPECT_EQ(w.DayCell(42)->GetPos(), (RECT{origin.left + 282, origin.top + 245, origin.left + 331, origin.top + 295}));
}

struct MonthCase {
  int year, month;
  int firstShown, lastShown;  // cells of the month
  int leadingFrom;            // first day of the previous month shown (0: none)
  int trailingCells;          // shown cells after the month (hidden in December)
};

TEST_F(GridWindowTest, FillsFebruaryAugustJanuaryAndDecember2015) {
  auto& w = Open();
  for (auto const& c : {MonthCase{2015, 2, 1, 28, 0, 14}, MonthCase{2015, 8, 7, 37, 26, 5},
                        MonthCase{2015, 1, 5, 35, 0, 7}, MonthCase{2015, 12, 3, 33, 29, 0}}) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
    w.FillMonthGrid(c.year, c.month, 0, 0);
    for (int i = 1; i <= 42; ++i) {
      SCOPED_TRACE(i);
      auto* cell = w.DayCell(i);
      if (i >= c.firstShown && i <= c.lastShown) {
        EXPECT_TRUE(cell->IsVisible());
        EXPECT_EQ(cell->date, Date(c.year, c.month, i - c.firstShown + 1));
        EXPECT_EQ(cell->GetTextColor(), 0xFF000000u);
      } else if (i < c.firstShown) {
        EXPECT_EQ(cell->IsVisible(), c.leadingFrom != 0);
        if (c.leadingFrom != 0) {
          EXPECT_EQ(cell->date, Date(c.year, c.month - 1, c.leadingFrom + i - 1));
          EXPECT_EQ(cell->GetTextColor(), 0xFF808080u);
        }
      } else {
        EXPECT_EQ(cell->IsVisible(), i <= c.lastShown + c.trailingCells);
        if (cell->IsVisible()) {
          EXPECT_EQ(cell->date, Date(c.year, c.month + 1, i - c.lastShown));
          EXPECT_EQ(cell->GetTextColor(), 0xFF808080u);
        }
      }
      if (cell->IsVisible()) {
        EXPECT_EQ(cell->GetBkImage(), L"");
      }
    }
  }
}

TEST_F(GridWindowTest, HiddenCellsKeepTheirDates) {
  auto& w = Open();
  w.FillMonthGrid(2015, 11, 0, 0);  // 1 November 2015 is a Sunday: cells 31-42 hold 1-12 December
  w.FillMonthGrid(2015, 12, 0, 0);  // cells 34-42 hidden
  for (int i = 34; i <= 42; ++i) {
    EXPECT_FALSE(w.DayCell(i)->IsVisible());
    EXPECT_EQ(w.DayCell(i)->date, Date(2015, 12, i - 30));
  }
  w.HideAllDayCells();
  for (int i = 1; i <= 42; ++i) EXPECT_FALSE(w.DayCell(i)->IsVisible());
  EXPECT_EQ(w.DayCell(3)->date, Date(2015, 12, 1));
  EXPECT_EQ(w.DayCell(3)->GetTextColor(), 0xFF000000u);
}

TEST_F(GridWindowTest, SelectionFlags) {
  SetToday(2015, 8, 20);
  auto& w = Open();
  w.FillMonthGrid(2015, 8, 0, 0);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{});
  w.FillMonthGrid(2015, 8, 0, 1);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{7});
  w.FillMonthGrid(2015, 8, 1, 0);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{26});
  // Neither flag: the fill leaves the selection alone.
  w.FillMonthGrid(2015, 9, 0, 0);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{26});
  // A month outside 1..12 changes nothing.
  w.FillMonthGrid(2015, 13, 0, 1);
  EXPECT_EQ(w.DayCell(3)->date, Date(2015, 9, 1));
}

TEST_F(GridWindowTest, TodaysMarkerAndPicture) {
  SetToday(2015, 10, 1);
  almanac.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", "01,02,03,04,05,06,07"};
  auto& w = Open();
  w.FillMonthGrid(2015, 10, 1, 0);
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{5});
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{5});
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"guoqing.png");
  EXPECT_EQ(w.FestivalLabel()->GetToolTip(), L"国庆节");
  // Another month keeps the picture: only today's cell shows one.
  w.FillMonthGrid(2015, 11, 0, 1);
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{});
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"guoqing.png");
}

TEST_F(GridWindowTest, ANeighbourMonthTodayIsMarkedByTheHolidayMarksNotByTheFill) {
  SetToday(2015, 11, 30);
  auto& w = Open();
  w.FillMonthGrid(2015, 12, 1, 0);
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{});
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{});
  w.RefreshHolidayMarks();
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{2});
}

TEST_F(GridWindowTest, TheNextFillClearsTheMarks) {
  almanac.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", "01,02,03,04,05,06,07"};
  almanac.workedDays = {{2015, 10, 10}};
  auto& w = Open();
  w.ShowMonth(2015, 10, 1, false, true);
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(w.CellsWithBackground(kWorkedDayImage), std::vector<int>{14});
  w.FillMonthGrid(2015, 10, 0, 0);
  EXPECT_EQ(w.CellsWithBackground(L""), [] {
    std::vector<int> all;
    for (int i = 1; i <= 42; ++i) all.push_back(i);
    return all;
  }());
}

}  // namespace
