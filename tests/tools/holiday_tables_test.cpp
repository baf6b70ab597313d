#include "tools/yiji_builder/holiday_tables.h"

#include <gtest/gtest.h>

#include "tools/yiji_builder/build_error.h"

namespace {

HolidayDate Rest(int y, int m, int d, const char* name) { return {{y, m, d}, true, name, 0}; }
HolidayDate Work(int y, int m, int d, const char* name) { return {{y, m, d}, false, name, 0}; }

std::string Describe(const FestRow& row) {
  return DateKeyOf(row.date) + " " + row.festival + " " + row.picpath + " " + row.holidays;
}

const std::map<CivilDate, std::vector<std::string>> kLunarMainDays = {
    {{2015, 2, 19}, {"春节"}},   {{2015, 9, 27}, {"中秋节"}}, {{2012, 9, 30}, {"中秋节"}},
    {{2017, 10, 4}, {"中秋节"}}, {{2020, 10, 1}, {"中秋节"}},
};

TEST(HolidayTables, RowStandsOnTheMainDayAndListsTheMonthsRestDays) {
  std::vector<HolidayDate> dates;
  for (int d = 18; d <= 24; ++d) dates.push_back(Rest(2015, 2, d, "春节"));
  dates.push_back(Work(2015, 2, 15, "春节"));
  dates.push_back(Rest(2015, 9, 26, "中秋节"));
  dates.push_back(Rest(2015, 9, 27, "中秋节"));
  auto tables = BuildHolidayTables(dates, kLunarMainDays);
  ASSERT_EQ(tables.count(2015), 1u);
  const YearTables& year = tables.at(2015);
  ASSERT_EQ(year.festRows.size(), 2u);
  EXPECT_EQ(Describe(year.festRows[0]), "20150219 春节 fest_chunjie.png 18,19,20,21,22,23,24");
  EXPECT_EQ(Describe(year.festRows[1]), "20150927 中秋节 fest_zhongqiu.png 26,27");
  ASSERT_EQ(year.workedDays.size(), 1u);
  EXPECT_EQ(DateKeyOf(year.workedDays[0]), "20150215");
}

TEST(HolidayTables, HolidayAcrossTheYearEndGetsARowInEachYear) {
  auto tables = BuildHolidayTables({Rest(2017, 12, 30, "元旦"), Rest(2017, 12, 31, "元旦"), Rest(2018, 1, 1, "元旦")},
                                   kLunarMainDays);
  ASSERT_EQ(tables.at(2017).festRows.size(), 1u);
  EXPECT_EQ(Describe(tables.at(2017).festRows[0]), "20171230 元旦 fest_yuandan.png 30,31");
  EXPECT_EQ(Describe(tables.at(2018).festRows[0]), "20180101 元旦 fest_yuandan.png 01");
}

TEST(HolidayTables, CombinedHolidayIsNamedAndPicturedByTheMainDaysOfEachMonth) {
  std::vector<HolidayDate> dates;
  dates.push_back(Rest(2012, 9, 30, "中秋节、国庆节"));
  for (int d = 1; d <= 7; ++d) dates.push_back(Rest(2012, 10, d, "中秋节、国庆节"));
  for (int d = 1; d <= 8; ++d) dates.push_back(Rest(2017, 10, d, "中秋节、国庆节"));
  for (int d = 1; d <= 8; ++d) dates.push_back(Rest(2020, 10, d, "中秋节、国庆节"));
  auto tables = BuildHolidayTables(dates, kLunarMainDays);
  EXPECT_EQ(Describe(tables.at(2012).festRows[0]), "20120930 中秋节 fest_zhongqiu.png 30");
  EXPECT_EQ(Describe(tables.at(2012).festRows[1]), "20121001 国庆节 fest_guoqing.png 01,02,03,04,05,06,07");
  EXPECT_EQ(Describe(tables.at(2017).festRows[0]), "20171001 中秋节、国庆节 fest_guoqing.png 01,02,03,04,05,06,07,08");
  EXPECT_EQ(Describe(tables.at(2020).festRows[0]), "20201001 中秋节、国庆节 fest_guoqing.png 01,02,03,04,05,06,07,08");
}

TEST(HolidayTables, WithoutItsMainDayARowTakesTheFirstRestDayOfTheMonth) {
  auto tables = BuildHolidayTables({Rest(2008, 9, 13, "中秋节"), Rest(2008, 9, 15, "中秋节")}, {});
  EXPECT_EQ(Describe(tables.at(2008).festRows[0]), "20080913 中秋节 fest_zhongqiu.png 13,15");
}

TEST(HolidayTables, FaultsStopTheBuild) {
  EXPECT_THROW(BuildHolidayTables({Work(2015, 10, 9, "国庆节")}, {}), BuildError);  // a Friday
  EXPECT_THROW(BuildHolidayTables({Rest(2015, 10, 9, "教师节")}, {}), BuildError);  // no picture known
}

TEST(HolidayTables, RowChecksRefuseRestDaysOutsideTwoDigitDaysOfTheMonth) {
  EXPECT_NO_THROW(CheckFestRow({{2015, 2, 19}, "", "", "18,28"}));
  EXPECT_NO_THROW(CheckFestRow({{2015, 3, 8}, "", "", ""}));
  for (const char* bad : {"5", "18,,19", "29", "123", "1a", "00"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(CheckFestRow({{2015, 2, 19}, "", "", bad}), BuildError);
  }
}

}  // namespace
