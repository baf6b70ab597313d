// The detail labels and pickers on the headless host.
#include <gtest/gtest.h>

#include "grid_window_support.h"

namespace {

using namespace gridtest;

TEST_F(GridWindowTest, ShowDayDetailsSetsPickersAndLabels) {
  auto& w = Open();
  w.ShowDayDetails(2015, 3, 5);
  EXPECT_EQ(w.YearPicker()->GetCurSel(), 115);
  EXPECT_EQ(w.YearPicker()->GetText(), L"2015");
  EXPECT_EQ(w.MonthPicker()->GetCurSel(), 3);
  EXPECT_EQ(w.Text(L"now_week"), L"星期四");
  EXPECT_EQ(w.Text(L"now_day"), L"05");
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/3");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月十五");
  EXPECT_EQ(w.Text(L"now_lunarYear"), L"乙未(羊)年");
  EXPECT_EQ(w.Text(L"now_lunarMonth"), L"戊寅月庚辰日");
  w.ShowDayDetails(2015, 3, 15);
  EXPECT_EQ(w.Text(L"now_day"), L"15");
}

TEST_F(GridWindowTest, AnImpossibleDateChangesNothing) {
  auto& w = Open();
  w.ShowDayDetails(2015, 3, 5);
  w.ShowDayDetails(2015, 2, 30);
  w.ShowDayDetails(2051, 1, 1);
  EXPECT_EQ(w.YearPicker()->GetCurSel(), 115);
  EXPECT_EQ(w.MonthPicker()->GetCurSel(), 3);
  EXPECT_EQ(w.Text(L"now_day"), L"05");
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/3");
}

TEST_F(GridWindowTest, RefreshAlmanacFillsAndClearsTheWords) {
  almanac.yiJi[{2015, 3, 5}] = {"祭祀 祈福 ", ""};
  auto& w = Open();
  w.RefreshAlmanac({2015, 3, 5, 9, 30, 0});
  EXPECT_EQ(w.Text(L"lbl_yi"), L"祭祀 祈福 ");
  EXPECT_EQ(w.Text(L"lbl_ji"), L"");
  w.RefreshAlmanac({2015, 3, 6, 0, 0, 0});
  EXPECT_EQ(w.Text(L"lbl_yi"), L"");
}

TEST_F(GridWindowTest, FestivalTipsCoverHiddenCellsToo) {
  almanac.festivalTips[{2015, 12, 25}] = "圣诞节 1225";
  almanac.festivalTips[{2016, 1, 1}] = "元旦 11";
  auto& w = Open();
  w.FillMonthGrid(2015, 12, 0, 0);  // 25 December in cell 27
  w.RefreshFestivalTips();
  EXPECT_EQ(w.DayCell(27)->GetToolTip(), L"圣诞节 1225");
  w.FillMonthGrid(2016, 1, 0, 0);  // cell 27 now holds 22 January; cells 1-5 hidden
  w.DayCell(2)->date = Date(2016, 1, 1);
  w.RefreshFestivalTips();
  EXPECT_EQ(w.DayCell(27)->GetToolTip(), L"");
  EXPECT_EQ(w.DayCell(2)->GetToolTip(), L"元旦 11");
}

TEST_F(GridWindowTest, FestivalPictureOfACellOrNone) {
  almanac.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", "01,02,03,04,05,06,07"};
  auto& w = Open();
  w.FillMonthGrid(2015, 10, 0, 0);
  w.ShowFestivalPicture(w.DayCell(5));
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"guoqing.png");
  EXPECT_EQ(w.FestivalLabel()->GetToolTip(), L"国庆节");
  w.ShowFestivalPicture(w.DayCell(6));
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"");
  EXPECT_EQ(w.FestivalLabel()->GetToolTip(), L"");
}

}  // namespace
