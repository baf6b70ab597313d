// Term look-up at the edges of the table; every term day is checked against the peer in reference_calendar_test.
#include "lunar/solar_terms.h"

#include <gtest/gtest.h>

#include "lunar/gregorian.h"

namespace {

using namespace lunar;

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

}  // namespace
