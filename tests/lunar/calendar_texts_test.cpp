// The texts of whole dates (golden table) and the text builders' individual rules.
#include <gtest/gtest.h>

#include "lunar/calendar_day.h"
#include "text_helpers.h"

namespace {

using lunar::CalendarDay;

struct Golden {
  int year, month, day;
  const char *weekday, *lunarYear, *lunarMonth, *lunarDay, *constellation, *ganzhi;
};

// Month pillars by the solar terms, the day pillar by the unbroken cycle, 兔 for 卯 years, 二十, 闰.
const Golden kGolden[] = {
    {1901, 1, 1, "星期二", "庚子(鼠)年", "十一月", "十一", "摩羯座", "戊子月己卯日"},
    {1901, 1, 20, "星期日", "庚子(鼠)年", "十二月", "初一", "摩羯座", "己丑月戊戌日"},
    {2019, 8, 20, "星期二", "己亥(猪)年", "七月", "二十", "狮子座", "壬申月己丑日"},
    {2019, 9, 1, "星期日", "己亥(猪)年", "八月", "初三", "处女座", "壬申月辛丑日"},
    {2019, 10, 1, "星期二", "己亥(猪)年", "九月", "初三", "天秤座", "癸酉月辛未日"},
    {2019, 10, 8, "星期二", "己亥(猪)年", "九月", "初十", "天秤座", "甲戌月戊寅日"},  // 寒露
    {2019, 11, 11, "星期一", "己亥(猪)年", "十月", "十五", "天蝎座", "乙亥月壬子日"},
    {2020, 1, 25, "星期六", "庚子(鼠)年", "正月", "初一", "水瓶座", "丁丑月丁卯日"},
    {2020, 2, 3, "星期一", "庚子(鼠)年", "正月", "初十", "水瓶座", "丁丑月丙子日"},
    {2020, 2, 4, "星期二", "庚子(鼠)年", "正月", "十一", "水瓶座", "戊寅月丁丑日"},  // 立春
    {2023, 3, 22, "星期三", "癸卯(兔)年", "闰二月", "初一", "白羊座", "乙卯月己卯日"},
    {2000, 3, 1, "星期三", "庚辰(龙)年", "正月", "廿六", "双鱼座", "戊寅月戊午日"},
    {2000, 12, 31, "星期日", "庚辰(龙)年", "十二月", "初六", "摩羯座", "戊子月癸亥日"},
    {2001, 1, 1, "星期一", "庚辰(龙)年", "十二月", "初七", "摩羯座", "戊子月甲子日"},
    {2050, 12, 31, "星期六", "庚午(马)年", "十一月", "十八", "摩羯座", "戊子月乙酉日"},
};

TEST(CalendarTexts, GoldenDates) {
  for (auto const& g : kGolden) {
    SCOPED_TRACE(testing::Message() << g.year << "-" << g.month << "-" << g.day);
    CalendarDay day;
    ASSERT_EQ(day.SetDate(g.year, g.month, g.day), 1);
    ASSERT_EQ(day.MakeGanzhiText(), 1);
    EXPECT_EQ(Utf8(day.weekdayText), g.weekday);
    EXPECT_EQ(Utf8(day.lunarYearText), g.lunarYear);
    EXPECT_EQ(Utf8(day.lunarMonthText), g.lunarMonth);
    EXPECT_EQ(Utf8(day.lunarDayText), g.lunarDay);
    EXPECT_EQ(Utf8(day.constellationText), g.constellation);
    EXPECT_EQ(Utf8(day.ganzhiText), g.ganzhi);
  }
}

TEST(CalendarTexts, LunarDayNames) {
  CalendarDay day;
  const char* const expected[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                  "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                                  "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int d = 1; d <= 30; ++d) EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarDayText(d)), expected[d - 1]) << d;
}

TEST(CalendarTexts, LunarMonthNamesAndLeapMonths) {
  CalendarDay day;
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarMonthText(1)), "正月");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarMonthText(10)), "十月");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarMonthText(11)), "十一月");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarMonthText(12)), "十二月");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarMonthText(11, 1)), "闰十一月");
  ASSERT_EQ(day.SetDate(2033, 12, 22), 1);  // 2033 has the rare leap eleventh month
  EXPECT_EQ(day.lunarLeapMonth, 1);
  EXPECT_EQ(Utf8(day.lunarMonthText), "闰十一月");
}

TEST(CalendarTexts, YearTextsCycleStemBranchAndZodiac) {
  CalendarDay day;
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarYearText(1900)), "庚子(鼠)年");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarYearText(1984)), "甲子(鼠)年");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarYearText(2011)), "辛卯(兔)年");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeLunarYearText(2043)), "癸亥(猪)年");
}

TEST(CalendarTexts, ConstellationsChangeOnTheirThresholdDays) {
  struct Case {
    int month, day;
    const char* name;
  } const cases[] = {{1, 20, "摩羯座"}, {1, 21, "水瓶座"}, {2, 19, "水瓶座"}, {2, 20, "双鱼座"},
                     {6, 21, "双子座"}, {6, 22, "巨蟹座"}, {12, 21, "射手座"}, {12, 22, "摩羯座"}};
  for (auto const& c : cases) {
    CalendarDay day;
    day.ComputeConstellation(c.month, c.day);
    EXPECT_EQ(Utf8(day.constellationText), c.name) << c.month << "-" << c.day;
  }
}

TEST(CalendarTexts, WeekdayNames) {
  CalendarDay day;
  EXPECT_EQ(platform::GbkToUtf8(day.MakeWeekdayText(1)), "星期一");
  EXPECT_EQ(platform::GbkToUtf8(day.MakeWeekdayText(7)), "星期日");
}

}  // namespace
