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
    // The 2015 spring festival as yiji.db holds it.
    almanac.holidayRows[{2015, 2, 19}] = {"春节", "chunjie.png", "18,19,20,21,22,23,24"};
    for (int d = 18; d <= 24; ++d) almanac.restDays.insert({2015, 2, d});
    almanac.workedDays = {{2015, 2, 15}, {2015, 2, 28}};
    almanac.festivalTips[{2015, 2, 14}] = "情人节 214";
    almanac.festivalTips[{2015, 2, 19}] = "春节 219";
  }
};

TEST_F(MarksTest, February2015WithTodayInsideTheHoliday) {
  SetToday(2015, 2, 19);
  auto& w = Open();
  w.ShowMonth(2015, 2, 19, true, false);
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{19});
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{18, 20, 21, 22, 23, 24}));
  EXPECT_EQ(w.CellsWithBackground(kWorkedDayImage), (std::vector<int>{15, 28}));
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{19});
}

TEST_F(MarksTest, HolidayNamesReplaceFestivalTipsOnlyWhereThereIsOne) {
  auto& w = Open();
  w.ShowMonth(2015, 2, 1, false, true);
  EXPECT_EQ(w.DayCell(14)->GetToolTip(), L"情人节 214");
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"春节");
  EXPECT_EQ(w.DayCell(20)->GetToolTip(), L"");
  // The next month clears the tips of cells whose dates have none.
  w.ShowMonth(2015, 3, 1, false, true);
  EXPECT_EQ(w.DayCell(14)->GetToolTip(), L"");
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"");
}

TEST_F(MarksTest, AWorkedDayThatIsTodayShowsTheWorkedImage) {
  SetToday(2015, 2, 15);
  auto& w = Open();
  w.ShowMonth(2015, 2, 15, true, false);
  EXPECT_EQ(w.DayCell(15)->GetBkImage(), kWorkedDayImage);
}

TEST_F(MarksTest, AHiddenCellsKeptDateCanMarkShownCells) {
  // January 2016 leaves cells 1-5 hidden with the dates of earlier fills; say cell 3 kept 8 February 2016,
  // whose holiday row names 5-8 February. Cells 41 and 42 show 5 and 6 February.
  almanac.holidayRows[{2016, 2, 8}] = {"春节", "chunjie.png", "05,06,07,08"};
  auto& w = Open();
  w.FillMonthGrid(2016, 1, 0, 0);
  w.DayCell(3)->date = Date(2016, 2, 8);
  w.RefreshHolidayMarks();
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{41, 42}));
  EXPECT_EQ(w.DayCell(3)->GetToolTip(), L"春节");
}

TEST_F(MarksTest, SelectedImagesForRestWorkedBothOtherYearsAndToday) {
  almanac.restDays.insert({2015, 2, 28});  // a day that is both
  SetToday(2015, 2, 10);
  auto& w = Open();
  w.ShowMonth(2015, 2, 10, true, false);
  auto chosen = [&](int cell) {
    w.DayCell(cell)->Selected(true);
    w.DayCell(cell)->ChooseSelectedImage();
    return w.DayCell(cell)->GetSelectedImage();
  };
  EXPECT_EQ(chosen(19), kRestDaySelectedImage);
  EXPECT_EQ(chosen(15), kWorkedDaySelectedImage);
  EXPECT_EQ(chosen(28), kWorkedDaySelectedImage);
  EXPECT_EQ(chosen(3), kDefaultSelectedImage);
  // The same cells in 2016 hold no holiday.
  w.ShowMonth(2016, 2, 1, false, false);
  EXPECT_EQ(chosen(20), kDefaultSelectedImage);  // 19 February 2016
}

TEST_F(MarksTest, TodaysCellNeverKeepsTheImageOfAnotherDay) {
  SetToday(2015, 3, 19);  // cell 19 of March 2015, like 19 February
  auto& w = Open();
  w.ShowMonth(2015, 2, 19, false, false);
  w.DayCell(19)->Selected(true);
  w.DayCell(19)->ChooseSelectedImage();
  ASSERT_EQ(w.DayCell(19)->GetSelectedImage(), kRestDaySelectedImage);
  // "Today": the fill selects today's cell, which must not show a rest-day selection.
  w.ShowMonth(2015, 3, 19, true, false);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{19});
  EXPECT_EQ(w.DayCell(19)->GetSelectedImage(), kDefaultSelectedImage);
}

TEST_F(MarksTest, SelectingDayOneChoosesItsImage) {
  almanac.restDays.insert({2015, 10, 1});
  auto& w = Open();
  w.ShowMonth(2015, 10, 1, false, true);
  EXPECT_EQ(w.SelectedCells(), std::vector<int>{5});
  EXPECT_EQ(w.DayCell(5)->GetSelectedImage(), kRestDaySelectedImage);
}

TEST_F(MarksTest, WithoutAnAlmanacOnlyTodayIsMarked) {
  SetToday(2015, 2, 19);
  window = std::make_unique<GridWindow>(AlmanacLookups{});
  ASSERT_NE(window->Open(), nullptr);
  window->ShowMonth(2015, 2, 19, true, false);
  EXPECT_EQ(window->CellsWithBackground(kTodayImage), std::vector<int>{19});
  EXPECT_EQ(window->CellsWithBackground(kRestDayImage), std::vector<int>{});
  for (int i = 1; i <= 42; ++i) EXPECT_EQ(window->DayCell(i)->GetToolTip(), L"");
}

}  // namespace
