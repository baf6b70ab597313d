#include "grid/day_details.h"

#include <gtest/gtest.h>

#include "fake_almanac.h"

namespace {

using namespace grid;

DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

TEST(DayDetails, LabelsAndPickerIndices) {
  auto const d = MakeDayDetails(2015, 3, 5);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->yearIndex, 115);
  EXPECT_EQ(d->monthIndex, 3);
  EXPECT_EQ(d->week, L"星期四");
  EXPECT_EQ(d->day, L"05");
  EXPECT_EQ(d->yearMonth, L"2015/3");
  EXPECT_EQ(d->lunar, L"正月十五");
  EXPECT_EQ(d->lunarYear, L"乙未(羊)年");
  EXPECT_EQ(d->lunarMonth, L"戊寅月庚辰日");
  EXPECT_EQ(MakeDayDetails(2015, 3, 15)->day, L"15");
}

TEST(DayDetails, ALeapMonthIsNamedWithRun) {
  EXPECT_EQ(MakeDayDetails(2023, 3, 22)->lunar, L"闰二月初一");
}

TEST(DayDetails, ImpossibleDatesAndYearsOutsideTheEngineGiveNothing) {
  EXPECT_FALSE(MakeDayDetails(2015, 2, 30));
  EXPECT_FALSE(MakeDayDetails(2015, 0, 1));
  EXPECT_FALSE(MakeDayDetails(2015, 13, 1));
  EXPECT_FALSE(MakeDayDetails(1900, 12, 31));
  EXPECT_FALSE(MakeDayDetails(2051, 1, 1));
  EXPECT_TRUE(MakeDayDetails(2016, 2, 29));
  EXPECT_TRUE(MakeDayDetails(1901, 1, 1));
}

TEST(AlmanacTexts, AsksYiThenJiAndDecodesGbk) {
  FakeAlmanac a;
  a.yiJi[{2015, 3, 5}] = {"嫁娶 祭祀 ", ""};
  auto const t = MakeAlmanacTexts(Date(2015, 3, 5), a.Lookups());
  EXPECT_EQ(t.yi, L"嫁娶 祭祀 ");
  EXPECT_EQ(t.ji, L"");
  EXPECT_EQ(a.calls, (std::vector<FakeAlmanac::Call>{{"yi", {2015, 3, 5}}, {"ji", {2015, 3, 5}}}));
}

TEST(FestivalTexts, TipAndPicture) {
  FakeAlmanac a;
  a.festivalTips[{2015, 10, 1}] = "国庆节 101";
  a.holidayRows[{2015, 10, 1}] = {"国庆节", "guoqing.png", "01,02,03,04,05,06,07"};
  a.holidayRows[{2015, 10, 2}] = {"无图", "", ""};
  EXPECT_EQ(FestivalTipFor(Date(2015, 10, 1), a.Lookups()), L"国庆节 101");
  EXPECT_EQ(FestivalTipFor(Date(2015, 10, 2), a.Lookups()), L"");
  auto const picture = FestivalPictureFor(Date(2015, 10, 1), a.Lookups());
  EXPECT_EQ(picture.image, L"guoqing.png");
  EXPECT_EQ(picture.tooltip, L"国庆节");
  // Without a picture both are cleared, the name too.
  auto const none = FestivalPictureFor(Date(2015, 10, 2), a.Lookups());
  EXPECT_EQ(none.image, L"");
  EXPECT_EQ(none.tooltip, L"");
  EXPECT_EQ(FestivalPictureFor(Date(2016, 10, 1), AlmanacLookups{}).image, L"");
}

}  // namespace
