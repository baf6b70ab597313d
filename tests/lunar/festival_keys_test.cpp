// The keys LookupFestivals hands to the almanac's look-ups, and what it keeps of their answers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lunar/calendar_day.h"
#include "lunar/festival_lookup.h"
#include "text_helpers.h"

namespace {

using lunar::CalendarDay;

std::vector<std::string> gregorianKeys;
std::vector<std::string> lunarKeys;

bool RecordGregorian(const char* key, char* out) {
  gregorianKeys.emplace_back(key);
  if (std::string(key) == "101") std::strcpy(out, "国庆节");
  return true;
}

bool RecordLunar(const char* key, char* out) {
  lunarKeys.push_back(platform::GbkToUtf8(key));
  if (platform::GbkToUtf8(key) == "八月十五") std::strcpy(out, "中秋节");
  return true;
}

// Fills the whole buffer without a terminating NUL.
bool Overlong(const char*, char* out) {
  std::memset(out, 'x', 18);
  return true;
}

class FestivalKeys : public testing::Test {
 protected:
  void SetUp() override {
    gregorianKeys.clear();
    lunarKeys.clear();
    SetFestivalLookups({RecordGregorian, RecordLunar});
  }
  void TearDown() override { SetFestivalLookups({}); }

  static std::string LunarKeyOf(int y, int m, int d) {
    CalendarDay day;
    lunarKeys.clear();
    EXPECT_EQ(day.SetDate(y, m, d), 1);
    return lunarKeys.empty() ? std::string() : lunarKeys.back();
  }
};

TEST_F(FestivalKeys, GregorianKeysAreMonthThenDayWithoutPadding) {
  CalendarDay day;
  for (auto const& [m, d] : {std::pair{1, 1}, {1, 25}, {10, 1}, {1, 11}, {11, 1}}) ASSERT_EQ(day.SetDate(2019, m, d), 1);
  EXPECT_EQ(gregorianKeys, (std::vector<std::string>{"11", "125", "101", "111", "111"}));
}

TEST_F(FestivalKeys, LunarKeysAreMonthTextThenDayText) {
  EXPECT_EQ(LunarKeyOf(2020, 1, 25), "正月初一");
  EXPECT_EQ(LunarKeyOf(1901, 1, 1), "十一月十一");
  EXPECT_EQ(LunarKeyOf(2019, 8, 20), "七月二十");
  EXPECT_EQ(LunarKeyOf(2020, 1, 24), "十二月三十");
}

TEST_F(FestivalKeys, ALeapMonthDayCarriesTheLeapMark) {
  EXPECT_EQ(LunarKeyOf(2023, 3, 22), "闰二月初一");
  EXPECT_EQ(LunarKeyOf(2020, 5, 23), "闰四月初一");
}

TEST_F(FestivalKeys, TheLastDayOfAShortTwelfthMonthIsLookedUpAsDayThirty) {
  // Lunar 1901's twelfth month has 29 days; 1902-02-08 is the new year.
  EXPECT_EQ(LunarKeyOf(1902, 2, 7), "十二月三十");
  EXPECT_EQ(LunarKeyOf(1902, 2, 6), "十二月廿八");
  CalendarDay day;
  ASSERT_EQ(day.SetDate(1902, 2, 7), 1);
  EXPECT_EQ(Utf8(day.lunarDayText), "廿九") << "the shown day stays the 29th";
}

TEST_F(FestivalKeys, AnswersAreKeptAsStored) {
  CalendarDay national;
  ASSERT_EQ(national.SetDate(2019, 10, 1), 1);
  EXPECT_STREQ(national.gregorianFestivalText.c_str(), "国庆节");
  CalendarDay midAutumn;
  ASSERT_EQ(midAutumn.SetDate(2019, 9, 13), 1);
  EXPECT_STREQ(midAutumn.lunarFestivalText.c_str(), "中秋节");
  // A reused object forgets the earlier festival.
  ASSERT_EQ(midAutumn.SetDate(2019, 9, 14), 1);
  EXPECT_STREQ(midAutumn.lunarFestivalText.c_str(), "");
}

TEST_F(FestivalKeys, WithoutLookupsBothTextsStayEmpty) {
  SetFestivalLookups({});
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2019, 10, 1), 1);
  EXPECT_STREQ(day.gregorianFestivalText.c_str(), "");
  EXPECT_STREQ(day.lunarFestivalText.c_str(), "");
}

TEST_F(FestivalKeys, AnUnterminatedAnswerIsCutToSeventeenBytes) {
  SetFestivalLookups({Overlong, Overlong});
  CalendarDay day;
  ASSERT_EQ(day.SetDate(2019, 10, 1), 1);
  EXPECT_EQ(day.gregorianFestivalText.view(), std::string(17, 'x'));
  EXPECT_EQ(day.lunarFestivalText.view(), std::string(17, 'x'));
}

}  // namespace
