// The detail labels, pickers, almanac words, festival tips and picture on the headless host.
#include <gtest/gtest.h>

#include "grid_window_support.h"

namespace {

using namespace gridtest;

TEST_F(GridWindowTest, ShowDayDetailsSetsPickersAndLabelsAndIgnoresImpossibleDates) {
  auto& w = Open();
  w.view.ShowDayDetails(2015, 3, 5);
  w.view.ShowDayDetails(2015, 2, 30);
  w.view.ShowDayDetails(2051, 1, 1);
  EXPECT_EQ(w.Text(L"com_year"), L"2015");
  EXPECT_EQ(w.Text(L"com_month"), L"3月");
  EXPECT_EQ(w.Text(L"now_week"), L"星期四");
  EXPECT_EQ(w.Text(L"now_day"), L"05");
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/3");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月十五");
  EXPECT_EQ(w.Text(L"now_lunarYear"), L"乙未(羊)年");
  EXPECT_EQ(w.Text(L"now_lunarMonth"), L"戊寅月庚辰日");
  w.view.ShowDayDetails(2023, 3, 22);
  EXPECT_EQ(w.Text(L"now_day"), L"22");
  EXPECT_EQ(w.Text(L"now_lunar"), L"闰二月初一");
}

TEST_F(GridWindowTest, AlmanacWordsFestivalTipsAndPicture) {
  almanac.yi[{2015, 10, 1}] = "祭祀 祈福 ";
  almanac.allYi[{2015, 10, 1}] = {"祭祀", "祈福", "嫁娶"};
  almanac.festivalTips[{2015, 12, 25}] = "圣诞节";
  almanac.festivalTips[{2015, 12, 1}] = "测试";
  almanac.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", "01,02,03,04,05,06,07"};
  auto& w = Open();
  w.view.RefreshAlmanac({2015, 10, 1, 9, 30, 0});
  EXPECT_EQ(w.Text(L"lbl_yi"), L"祭祀 祈福 ");
  EXPECT_EQ(w.Find(L"lbl_yi")->GetToolTip(), L"祭祀 祈福 嫁娶");  // every word of the day on hover
  EXPECT_EQ(w.Text(L"lbl_ji"), L"无");  // no 忌 word: said, not left blank
  EXPECT_EQ(w.Find(L"lbl_ji")->GetToolTip(), L"");
  w.view.FillMonthGrid(2015, 10, grid::kSelectNothing);
  w.view.ShowFestivalPicture(w.DayCell(5));
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"guoqing.png");
  EXPECT_EQ(w.FestivalLabel()->GetToolTip(), L"国庆节");
  w.view.ShowFestivalPicture(w.DayCell(6));
  EXPECT_EQ(w.FestivalLabel()->GetBkImage(), L"");
  EXPECT_EQ(w.FestivalLabel()->GetToolTip(), L"");
  // Tips follow the cells' dates, hidden cells' kept dates included.
  w.view.FillMonthGrid(2015, 12, grid::kSelectNothing);  // 1 December in cell 3, 25 December in cell 27
  w.view.RefreshFestivalTips();
  EXPECT_EQ(w.DayCell(27)->GetToolTip(), L"圣诞节");
  w.view.FillMonthGrid(2016, 1, grid::kSelectNothing);  // cell 27 holds 22 January; cell 3, hidden, keeps 1 December
  w.view.RefreshFestivalTips();
  EXPECT_EQ(w.DayCell(27)->GetToolTip(), L"");
  EXPECT_EQ(w.DayCell(3)->GetToolTip(), L"测试");
}

TEST_F(GridWindowTest, LunarFestivalsAndSolarTermsHaveTooltipsToo) {
  almanac.festivalTips[{2015, 3, 5}] = "测试：正月十五";
  auto& w = Open();
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  w.view.RefreshFestivalTips();
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"春节\n雨水");  // 正月初一 on a term day
  EXPECT_EQ(w.DayCell(4)->GetToolTip(), L"立春");
  EXPECT_EQ(w.DayCell(33)->GetToolTip(), L"测试：正月十五\n元宵节");  // 5 March: one line each
  EXPECT_EQ(w.DayCell(10)->GetToolTip(), L"");
}

TEST_F(GridWindowTest, AlmanacRowsSayWhyThereAreNoWords) {
  struct Case {
    grid::AlmanacAnswer answer;
    const wchar_t* yi;
    const wchar_t* ji;
  };
  for (auto const& c : {Case{grid::AlmanacAnswer::NoAlmanac, L"未找到黄历数据库 yiji.db", L"暂无宜忌"},
                        Case{grid::AlmanacAnswer::Unreadable, L"黄历数据库 yiji.db 无法读取", L"暂无宜忌"},
                        Case{grid::AlmanacAnswer::Busy, L"黄历数据库被其他程序占用", L"换一天时再试"}}) {
    grid::AlmanacLookups lookups;
    lookups.queryYiJiWords = [&c](std::vector<std::string>&, bool, DateTimeRecord) { return c.answer; };
    window.reset();
    auto& w = Open(lookups);
    w.view.RefreshAlmanac({2015, 10, 1, 0, 0, 0});
    EXPECT_EQ(w.Text(L"lbl_yi"), c.yi);
    EXPECT_EQ(w.Text(L"lbl_ji"), c.ji);
  }
}

}  // namespace
