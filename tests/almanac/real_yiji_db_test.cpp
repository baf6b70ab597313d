// Spot checks of the yiji.db that the build generates beside the program.
#include <gtest/gtest.h>

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

TEST_F(RealYiJiDb, HolidayRowsStandOnTheirFestivals) {
  std::string festival, picpath, holidays;
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 9, 27), festival, picpath, holidays));
  EXPECT_EQ(platform::GbkToUtf8(festival) + " " + picpath + " " + holidays, "中秋节 fest_zhongqiu.png 26,27");
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 2, 19), festival, picpath, holidays));
  EXPECT_EQ(platform::GbkToUtf8(festival) + " " + holidays, "春节 18,19,20,21,22,23,24");
  EXPECT_FALSE(QueryRestDay(Date(2003, 10, 1)));  // no schedule that year
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

TEST_F(RealYiJiDb, InfoColumnsFromMidAutumnToTheWorkedSaturday) {
  for (int i = 0; i < 15; ++i) {
    const int month = i < 5 ? 9 : 10, day = i < 5 ? 26 + i : i - 4;
    SCOPED_TRACE(std::to_string(month) + "-" + std::to_string(day));
    const InfoAlmanacColumns columns = AlmanacInfoColumns(2015, month, day);
    EXPECT_FALSE(columns.yi.empty());
    EXPECT_FALSE(columns.ji.empty());
    const bool rest = (month == 9 && day <= 27) || (month == 10 && day <= 7);
    EXPECT_EQ(columns.holiday, rest ? "rest" : (month == 10 && day == 10 ? "work" : ""));
  }
  EXPECT_EQ(AlmanacInfoColumns(2026, 2, 14).holiday, "work");
  for (int day = 15; day <= 23; ++day) EXPECT_EQ(AlmanacInfoColumns(2026, 2, day).holiday, "rest") << day;
  EXPECT_EQ(AlmanacInfoColumns(1901, 1, 1).yi, "祭祀 平治道涂 ");  // the library's first two words
}

TEST_F(RealYiJiDb, FestivalNamesByGregorianAndLunarKey) {
  char out[18] = {};
  QueryGregorianFestival("101", out);
  EXPECT_STREQ(out, "国庆节");
  QueryLunarFestival(platform::Utf8ToGbk("八月十五").c_str(), out);
  EXPECT_STREQ(out, "中秋节");
  char none[18] = {};
  QueryGregorianFestival("111", none);  // a key two dates share holds no festival
  EXPECT_STREQ(none, "");
}

}  // namespace
