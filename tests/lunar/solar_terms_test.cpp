#include "lunar/solar_terms.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "lunar/gregorian.h"

namespace {

using namespace lunar;

TEST(SolarTerms, The24TermDaysOf2020AndNoOthers) {
  std::map<std::pair<int, int>, int> const terms = {
      {{1, 6}, 1},   {{1, 20}, 2},  {{2, 4}, 3},   {{2, 19}, 4},  {{3, 5}, 5},   {{3, 20}, 6},
      {{4, 4}, 7},   {{4, 19}, 8},  {{5, 5}, 9},   {{5, 20}, 10}, {{6, 5}, 11},  {{6, 21}, 12},
      {{7, 6}, 13},  {{7, 22}, 14}, {{8, 7}, 15},  {{8, 22}, 16}, {{9, 7}, 17},  {{9, 22}, 18},
      {{10, 8}, 19}, {{10, 23}, 20}, {{11, 7}, 21}, {{11, 22}, 22}, {{12, 7}, 23}, {{12, 21}, 24}};
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= DaysInMonth(2020, m); ++d) {
      auto const it = terms.find({m, d});
      EXPECT_EQ(SolarTermIndex(2020, m, d), it == terms.end() ? 0 : it->second) << m << "-" << d;
    }
}

TEST(SolarTerms, RangeEndsAndTheMidMonthDay) {
  EXPECT_EQ(SolarTermIndex(1901, 1, 6), 1);
  EXPECT_EQ(SolarTermIndex(1901, 1, 21), 2);
  EXPECT_EQ(SolarTermIndex(2050, 12, 7), 23);
  EXPECT_EQ(SolarTermIndex(2050, 12, 8), 0);
  EXPECT_EQ(SolarTermIndex(2050, 12, 22), 24);
  EXPECT_EQ(SolarTermIndex(1900, 12, 22), 0);
  EXPECT_EQ(SolarTermIndex(2051, 1, 5), 0);
  for (int y = 1901; y <= 2050; ++y)
    for (int m = 1; m <= 12; ++m) ASSERT_EQ(SolarTermIndex(y, m, 15), 0) << y << "-" << m;
}

TEST(SolarTerms, CorrectedTermDays) {
  EXPECT_EQ(SolarTermIndex(1904, 10, 9), 19);  // 寒露
  EXPECT_EQ(SolarTermIndex(1904, 10, 8), 0);
  EXPECT_EQ(SolarTermIndex(1962, 1, 20), 2);   // 大寒
  EXPECT_EQ(SolarTermIndex(1977, 5, 5), 9);    // 立夏
  EXPECT_EQ(SolarTermIndex(2049, 4, 4), 7);    // 清明
  EXPECT_EQ(SolarTermIndex(2049, 4, 19), 8);   // 谷雨
  EXPECT_EQ(SolarTermIndex(2050, 9, 7), 17);   // 白露
}

}  // namespace
