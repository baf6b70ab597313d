// Holiday, worked-day and today marks, tooltips and selected images on the headless host.
#include <gtest/gtest.h>

#include "grid/grid_constants.h"
#include "grid_window_support.h"

namespace {

using namespace gridtest;
using namespace grid;

class MarksTest : public GridWindowTest {
 protected:
  void SetUp() override {
    GridWindowTest::SetUp();
    almanac.holidayRows[{2015, 2, 19}] = {"春节", "chunjie.png", "18,19,20,21,22,23,24"};
    for (int d = 18; d <= 24; ++d) almanac.restDays.insert({2015, 2, d});
    almanac.workedDays = {{2015, 2, 15}, {2015, 2, 28}};
    almanac.festivalTips[{2015, 2, 14}] = "情人节";
  }
};

TEST_F(MarksTest, RestDaysTodayAmongThemWorkedDaysAndTooltips) {
  SetToday(2015, 2, 19);
  auto& w = Open();
  w.ShowMonth(2015, 2, 19, grid::kSelectToday);
  // Today is a rest day and keeps that badge; its own marker is painted by the cell.
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{});
  EXPECT_EQ(w.CellsWith(kRestDayImage), (std::vector<int>{18, 19, 20, 21, 22, 23, 24}));
  EXPECT_EQ(w.CellsWith(kWorkedDayImage), (std::vector<int>{15, 28}));
  EXPECT_EQ(w.DayCell(19)->GetSelectedImage(), kRestDaySelectedImage);
  EXPECT_EQ(w.DayCell(14)->GetToolTip(), L"情人节");  // no holiday name: the festival tip stays
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"春节");
  w.ShowMonth(2015, 3, 1, grid::kSelectFirstDay);  // the next month clears both
  EXPECT_EQ(w.DayCell(14)->GetToolTip(), L"");
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"");
  EXPECT_EQ(w.CellsWith(kRestDayImage), std::vector<int>{});
}

TEST_F(MarksTest, AWorkedDayThatIsTodayShowsTheWorkedImage) {
  SetToday(2015, 2, 15);
  auto& w = Open();
  w.ShowMonth(2015, 2, 15, grid::kSelectToday);
  EXPECT_EQ(w.DayCell(15)->GetBkImage(), kWorkedDayImage);
}

TEST_F(MarksTest, RunsAtTheEndOfTheGridAndFromAHiddenCellsKeptDate) {
  // January 2016 hides cells 1-5; cell 3 keeps 8 February from an earlier fill, and that day's row names
  // 4-8 February, of which cells 40-42 show 4-6; the run stops at the end of the grid.
  almanac.holidayRows[{2016, 2, 8}] = {"春节", "chunjie.png", "04,05,06,07,08"};
  auto& w = Open();
  w.view.FillMonthGrid(2016, 1, grid::kSelectNothing);
  w.DayCell(3)->date = Date(2016, 2, 8);
  w.view.RefreshHolidayMarks();
  EXPECT_EQ(w.CellsWith(kRestDayImage), (std::vector<int>{40, 41, 42}));
  EXPECT_EQ(w.DayCell(3)->GetToolTip(), L"春节");
}

TEST_F(MarksTest, SelectedImagesForRestWorkedBothAndOtherYears) {
  almanac.restDays.insert({2015, 2, 28});  // both rest and worked
  auto& w = Open();
  w.ShowMonth(2015, 2, 1, grid::kSelectFirstDay);
  auto chosen = [&](int cell) {
    w.DayCell(cell)->ChooseSelectedImage();
    return w.DayCell(cell)->GetSelectedImage();
  };
  EXPECT_EQ(chosen(19), kRestDaySelectedImage);
  EXPECT_EQ(chosen(15), kWorkedDaySelectedImage);
  EXPECT_EQ(chosen(28), kWorkedDaySelectedImage);
  EXPECT_EQ(chosen(3), kDefaultSelectedImage);
  w.ShowMonth(2016, 2, 1, grid::kSelectNothing);
  EXPECT_EQ(chosen(20), kDefaultSelectedImage);  // 19 February 2016
}

TEST_F(MarksTest, TodaysCellNeverShowsTheSelectionOfADayItHeldBefore) {
  SetToday(2015, 3, 19);  // cell 19 of March, as 19 February is of February
  auto& w = Open();
  w.ShowMonth(2015, 2, 19, grid::kSelectNothing);
  w.DayCell(19)->ChooseSelectedImage();
  ASSERT_EQ(w.DayCell(19)->GetSelectedImage(), kRestDaySelectedImage);
  w.ShowMonth(2015, 3, 19, grid::kSelectToday);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{19});
  EXPECT_EQ(w.DayCell(19)->GetSelectedImage(), kDefaultSelectedImage);
}

}  // namespace
