// Spot checks of the yiji.db that the build generates beside the program.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "almanac/almanac_info.h"
#include "almanac/almanac_store.h"
#include "platform/code_page.h"
#include "platform/executable_path.h"

namespace {

class RealYiJiDb : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetExecutablePathOverride(WANNIANLI_OUTPUT_DIR "/wannianli"); }
  void TearDown() override { platform::SetExecutablePathOverride(std::nullopt); }
};

DateTimeRecord Date(int year, int month, int day) { return {year, month, day, 0, 0, 0}; }

TEST_F(RealYiJiDb, HolidaysOf2015AsPublished) {
  EXPECT_TRUE(QueryRestDay(Date(2015, 10, 1)));
  EXPECT_TRUE(QueryWorkedDay(Date(2015, 10, 10)));
  EXPECT_TRUE(QueryRestDay(Date(2015, 9, 26)));
  std::string festival, picpath, holidays;
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 9, 27), festival, picpath, holidays));
  EXPECT_EQ(platform::GbkToUtf8(festival), "中秋节");
  EXPECT_EQ(picpath, "fest_zhongqiu.png");
  EXPECT_EQ(holidays, "26,27");
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 2, 19), festival, picpath, holidays));
  EXPECT_EQ(platform::GbkToUtf8(festival) + picpath + holidays, "春节fest_chunjie.png18,19,20,21,22,23,24");
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 4, 5), festival, picpath, holidays));
  EXPECT_EQ(holidays, "04,05,06");
}

TEST_F(RealYiJiDb, HolidaysOf2026AndAYearWithoutSchedule) {
  EXPECT_TRUE(QueryWorkedDay(Date(2026, 2, 14)));
  for (int day = 15; day <= 23; ++day) EXPECT_TRUE(QueryRestDay(Date(2026, 2, day))) << day;
  EXPECT_FALSE(QueryRestDay(Date(2026, 2, 24)));
  EXPECT_FALSE(QueryRestDay(Date(2003, 10, 1)));
}

TEST_F(RealYiJiDb, EveryLineOfTheHolidayScheduleComesBack) {
  std::ifstream csv(WANNIANLI_SOURCE_DIR "/data/holidays-cn.csv");
  std::string line;
  std::getline(csv, line);  // header
  int checked = 0;
  while (std::getline(csv, line)) {
    const DateTimeRecord date = Date(std::stoi(line.substr(0, 4)), std::stoi(line.substr(5, 2)), std::stoi(line.substr(8, 2)));
    const bool rest = line.compare(11, 4, "rest") == 0;
    EXPECT_EQ(QueryRestDay(date), rest) << line;
    EXPECT_EQ(QueryWorkedDay(date), !rest) << line;
    ++checked;
  }
  EXPECT_EQ(checked, 800);
}

TEST_F(RealYiJiDb, FestivalNamesAndTooltips) {
  char out[18] = {};
  QueryGregorianFestival("101", out);
  EXPECT_STREQ(out, "国庆节");
  std::memset(out, 0, sizeof out);
  QueryLunarFestival(platform::Utf8ToGbk("八月十五").c_str(), out);
  EXPECT_STREQ(out, "中秋节");
  std::memset(out, 0, sizeof out);
  QueryGregorianFestival("111", out);  // 11 January and 1 November: no festival on a shared key
  EXPECT_STREQ(out, "");
  std::string tip;
  QueryFestival(Date(2015, 12, 25), tip);
  EXPECT_EQ(platform::GbkToUtf8(tip).rfind("圣诞节", 0), 0u);
}

TEST_F(RealYiJiDb, InfoColumnsOfTheNationalDayWeek) {
  for (int day = 26; day <= 40; ++day) {
    const int month = day <= 30 ? 9 : 10, dom = day <= 30 ? day : day - 30;
    SCOPED_TRACE(std::to_string(month) + "-" + std::to_string(dom));
    InfoAlmanacColumns columns = AlmanacInfoColumns(2015, month, dom);
    EXPECT_FALSE(columns.yi.empty());
    EXPECT_FALSE(columns.ji.empty());
    const bool rest = (month == 9 && dom <= 27) || (month == 10 && dom <= 7);
    EXPECT_EQ(columns.holiday, rest ? "rest" : (month == 10 && dom == 10 ? "work" : ""));
  }
}

TEST_F(RealYiJiDb, EveryDateHasItsWords) {
  // 1901-01-01 as the almanac library gives it: 宜 祭祀 平治道涂 …, 忌 ….
  std::string yi;
  QueryYiJi(yi, true, Date(1901, 1, 1));
  EXPECT_EQ(platform::GbkToUtf8(yi), "祭祀 平治道涂 ");
  std::string ji;
  EXPECT_TRUE(QueryYiJi(ji, false, Date(2050, 12, 31)));
  EXPECT_FALSE(ji.empty());
}

}  // namespace
