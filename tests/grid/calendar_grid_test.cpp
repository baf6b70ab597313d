// Building the cells and filling months on the headless host: dates, colours, hidden cells, the selection
// and today's marker.
#include <gtest/gtest.h>

#include "grid/cell_layout.h"
#include "grid/grid_constants.h"
#include "grid_window_support.h"
#include "lunar/gregorian.h"

namespace {

using namespace gridtest;
using namespace grid;

TEST_F(GridWindowTest, BuildsFortyTwoHiddenCellsAtTheirPlaces) {
  auto& w = Open();
  EXPECT_TRUE(w.view.CellsBuilt());
  EXPECT_EQ(w.view.Container()->GetCount(), 42);
  for (int i = 1; i <= 42; ++i) {
    auto* cell = w.DayCell(i);
    ASSERT_EQ(w.Find(CellName(i)), cell);
    EXPECT_FALSE(cell->IsVisible() || cell->IsSelected());
    EXPECT_EQ(cell->date, Date(0, 0, 0));
    EXPECT_EQ(cell->GetGroup(), kCellGroup);
    EXPECT_EQ(cell->GetSelectedImage(), kDefaultSelectedImage);
  }
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  host.RunUntilIdle();
  auto const o = w.view.Container()->GetPos();
  EXPECT_EQ(w.DayCell(8)->GetPos(), (RECT{o.left, o.top + 49, o.left + 49, o.top + 99}));
  EXPECT_EQ(w.DayCell(42)->GetPos(), (RECT{o.left + 282, o.top + 245, o.left + 331, o.top + 295}));
}

TEST_F(GridWindowTest, FillsFebruaryAugustJanuaryAndDecember2015) {
  struct Case {
    int month, first, last;  // cells of the month
    bool leading, trailing;  // grey neighbour days shown (not in January / December)
  };
  auto& w = Open();
  for (auto const c : {Case{2, 1, 28, false, true}, Case{8, 7, 37, true, true}, Case{1, 5, 35, false, true},
                       Case{12, 3, 33, true, false}}) {
    w.view.FillMonthGrid(2015, c.month, grid::kSelectNothing);
    for (int i = 1; i <= 42; ++i) {
      SCOPED_TRACE(testing::Message() << "month " << c.month << " cell " << i);
      auto* cell = w.DayCell(i);
      bool const before = i < c.first, after = i > c.last;
      ASSERT_EQ(cell->IsVisible(), !(before && !c.leading) && !(after && !c.trailing));
      if (!cell->IsVisible()) continue;
      auto const offset = i - c.first;  // days from the 1st: negative before, past the end after
      auto const expected = before  ? Date(2015, c.month - 1, lunar::DaysInMonth(2015, c.month - 1) + offset + 1)
                            : after ? Date(2015, c.month + 1, i - c.last)
                                    : Date(2015, c.month, offset + 1);
      EXPECT_EQ(cell->date, expected);
      EXPECT_EQ(cell->GetTextColor(), before || after ? 0xFF808080u : 0xFF000000u);
      EXPECT_EQ(cell->GetBkImage(), L"");
    }
    // Hidden cells keep the dates of the fill before (August, then January).
    if (c.month == 1) {
      EXPECT_EQ(w.DayCell(1)->date, Date(2015, 7, 26));
    }
    if (c.month == 12) {
      EXPECT_EQ(w.DayCell(42)->date, Date(2015, 2, 7));
    }
  }
}

TEST_F(GridWindowTest, SelectionFlagsTodaysMarkerAndTheSelectedDaysPicture) {
  SetToday(2015, 10, 20);
  almanac.holidayRows[{2015, 10, 20}] = {"测试", "test.png", ""};
  almanac.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", ""};
  auto& w = Open();
  w.view.FillMonthGrid(2015, 10, grid::kSelectNothing);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{});
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{24});
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"");  // the picture follows the selection, not today
  w.view.FillMonthGrid(2015, 10, grid::kSelectFirstDay);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{5});
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"guoqing.png");
  w.view.FillMonthGrid(2015, 10, grid::kSelectToday);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{24});
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"test.png");
  w.view.FillMonthGrid(2015, 11, grid::kSelectFirstDay);  // a day without a festival hides it
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"");
  w.view.FillMonthGrid(2015, 10, grid::kSelectToday);
  w.view.FillMonthGrid(2015, 9, grid::kSelectToday);  // today is not a day of September: nothing selected, nothing marked
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{24});
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{});
}

TEST_F(GridWindowTest, ANeighbourMonthTodayIsMarkedByTheHolidayMarksNotByTheFill) {
  SetToday(2015, 11, 30);
  auto& w = Open();
  w.view.FillMonthGrid(2015, 12, grid::kSelectToday);
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{});
  w.view.RefreshHolidayMarks();
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{2});
}

}  // namespace
