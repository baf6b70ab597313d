// Marker rules with a recording almanac: what is asked, and the readings the window tests cannot reach.
#include "grid/holiday_marks.h"

#include <gtest/gtest.h>

#include "fake_almanac.h"
#include "grid/month_plan.h"

namespace {

using namespace grid;

constexpr DateTimeRecord kFarToday{2040, 6, 6, 0, 0, 0};

GridCells CellsAfterFill(int year, int month) {
  GridCells cells;
  for (const auto& f : PlanMonth(year, month, kFarToday, {}).fills) cells[f.cell - 1] = {f.date, true, L""};
  return cells;
}

TEST(HolidayMarks, RestDayPiecesAreTwoDigitDaysOfTheRowsMonth) {
  EXPECT_EQ(ListedRestDays("01,,02", 2015, 10), (std::vector<int>{1, 2}));
  // As the store's rest-day test reads them: one or three digits, a space or a day past the month's end
  // name no day.
  EXPECT_EQ(ListedRestDays(",5,005, 06,07 ,31,30,", 2015, 9), std::vector<int>{30});
}

TEST(HolidayMarks, OnlyShownDaysOfMonthsNotShownWholeAreAskedOneByOne) {
  // 劳动节 2023: 29 April - 3 May; April's row (on the 29th) is off the May grid, which shows 30 April.
  FakeAlmanac a;
  a.holidayRows[{2023, 5, 1}] = {"劳动节", "", "01,02,03"};
  a.restDays = {{2023, 4, 30}};
  auto const marks = PlanHolidayMarks(CellsAfterFill(2023, 5), kFarToday, a.Lookups());
  std::vector<int> rest;
  for (int i = 0; i < kCellCount; ++i)
    if (marks[i].bkImage == kRestDayImage) rest.push_back(i + 1);
  EXPECT_EQ(rest, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(a.Asked("festivalDay").size(), 42u);
  EXPECT_EQ(a.Asked("rest").size(), 11u);  // 30 April, 1-10 June
  EXPECT_EQ(a.calls.front().first, "festivalDay");
}

TEST(SelectedImage, WorkedBeforeRestThenPlain) {
  FakeAlmanac a;
  a.restDays = {{2015, 10, 10}, {2015, 10, 1}};
  a.workedDays = {{2015, 10, 10}};
  EXPECT_EQ(ChooseSelectedImageFor({2015, 10, 10, 0, 0, 0}, a.Lookups()), kWorkedDaySelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor({2015, 10, 1, 0, 0, 0}, a.Lookups()), kRestDaySelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor({2015, 10, 2, 0, 0, 0}, a.Lookups()), kDefaultSelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor({2015, 2, 29, 0, 0, 0}, a.Lookups()), std::nullopt);
}

}  // namespace
