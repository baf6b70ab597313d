// CalendarDay's lifecycle: construction, validation, what a failed or repeated SetDate leaves behind.
#include "lunar/calendar_day.h"

#include <gtest/gtest.h>

#include "text_helpers.h"

namespace {

using lunar::CalendarDay;

class CalendarDayTest : public testing::Test {};

TEST_F(CalendarDayTest, ConstructionTakesTodayFromTheCallerAndComputesNothing) {
  CalendarDay day({2015, 2, 19});
  EXPECT_EQ(day.year, 2015);
  EXPECT_EQ(day.month, 2);
  EXPECT_EQ(day.day, 19);
  EXPECT_EQ(day.valid, 0);
  EXPECT_EQ(day.lunarYear, 0);
  EXPECT_EQ(day.DaysInShownMonth(), 28);
  for (auto const* text : {&day.weekdayText, &day.lunarYearText, &day.lunarMonthText, &day.lunarDayText,
                           &day.solarTermText, &day.constellationText, &day.ganzhiText,
                           &day.gregorianFestivalText, &day.lunarFestivalText}) {
    EXPECT_TRUE(text->IsNull());
    EXPECT_STREQ(text->c_str(), "");
  }
}

TEST_F(CalendarDayTest, AnImpossibleClockDateLeavesTheDateZero) {
  CalendarDay day({2019, 2, 30});
  EXPECT_EQ(day.year, 0);
  EXPECT_EQ(day.month, 0);
  EXPECT_EQ(day.day, 0);
  EXPECT_EQ(day.DaysInShownMonth(), 0);
}

TEST_F(CalendarDayTest, ImpossibleDatesAreRejectedAndStoreNothing) {
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2000, 2, 29), 1);
  for (auto const& [y, m, d] : {std::tuple{2019, 2, 29}, {2019, 4, 31}, {2019, 0, 1}, {2019, 13, 1}, {2019, 5, 0},
                                {2019, -1, 5}, {2019, 1, 32}}) {
    EXPECT_EQ(day.SetDate(y, m, d), 0) << y << "-" << m << "-" << d;
    EXPECT_EQ(day.year, 2000);
    EXPECT_EQ(day.month, 2);
    EXPECT_EQ(day.day, 29);
    EXPECT_EQ(day.valid, 1);
  }
}

TEST_F(CalendarDayTest, YearsOutsideTheTablesAreStoredButInvalidAndKeepTheTexts) {
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2019, 10, 1), 1);
  EXPECT_EQ(day.SetDate(2051, 1, 1), 0);
  EXPECT_EQ(day.year, 2051);
  EXPECT_EQ(day.valid, 0);
  EXPECT_EQ(Utf8(day.lunarDayText), "初三");
  EXPECT_EQ(day.MakeGanzhiText(), 0);
  EXPECT_TRUE(day.ganzhiText.IsNull());

  CalendarDay fresh;
  EXPECT_EQ(fresh.SetDate(1900, 12, 31), 0);
  EXPECT_EQ(fresh.year, 1900);
  EXPECT_TRUE(fresh.lunarYearText.IsNull());
  EXPECT_EQ(fresh.ComputeLunarInfo(1900, 12, 31), 0);
  EXPECT_TRUE(fresh.weekdayText.IsNull());
}

TEST_F(CalendarDayTest, TheRangeEndsConvert) {
  CalendarDay day;
  EXPECT_EQ(day.SetDate(1901, 1, 1), 1);
  EXPECT_EQ(day.SetDate(2050, 12, 31), 1);
  EXPECT_EQ(day.lunarYear, 2050);
  EXPECT_EQ(day.lunarMonth, 11);
  EXPECT_EQ(day.lunarDay, 18);
}

TEST_F(CalendarDayTest, AReusedObjectDropsTheTermOfTheEarlierDate) {
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2019, 10, 8), 1);
  EXPECT_EQ(Utf8(day.solarTermText), "寒露");
  ASSERT_EQ(day.SetDate(2019, 10, 9), 1);
  EXPECT_STREQ(day.solarTermText.c_str(), "");
}

TEST_F(CalendarDayTest, ReuseRewritesEveryDerivedField) {
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2023, 3, 22), 1);
  ASSERT_EQ(day.MakeGanzhiText(), 1);
  ASSERT_EQ(day.SetDate(2019, 10, 1), 1);
  EXPECT_EQ(day.lunarLeapMonth, 0);
  EXPECT_EQ(Utf8(day.lunarMonthText), "九月");
  EXPECT_EQ(Utf8(day.lunarYearText), "己亥(猪)年");
  EXPECT_EQ(Utf8(day.ganzhiText), "乙卯月己卯日") << "only MakeGanzhiText writes it";
  ASSERT_EQ(day.MakeGanzhiText(), 1);
  EXPECT_EQ(Utf8(day.ganzhiText), "癸酉月辛未日");
}

TEST_F(CalendarDayTest, GanzhiNeedsAConvertedDate) {
  CalendarDay day({2019, 10, 1});
  EXPECT_EQ(day.MakeGanzhiText(), 0);
  EXPECT_TRUE(day.ganzhiText.IsNull());
}

}  // namespace
