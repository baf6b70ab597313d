#include "grid/text_helpers.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace {

using namespace grid;

TEST(TextHelpers, TwoDigitsPadOnlyBelowTen) {
  EXPECT_EQ(FormatTwoDigits(1), L"01");
  EXPECT_EQ(FormatTwoDigits(7), L"07");
  EXPECT_EQ(FormatTwoDigits(9), L"09");
  EXPECT_EQ(FormatTwoDigits(10), L"10");
  EXPECT_EQ(FormatTwoDigits(31), L"31");
}

TEST(TextHelpers, YearMonthKeepsTheMonthUnpadded) {
  EXPECT_EQ(FormatYearMonth(2015, 3), L"2015/3");
  EXPECT_EQ(FormatYearMonth(1901, 12), L"1901/12");
}

TEST(TextHelpers, ToWideDecodesGbkAndUtf8ToWideDecodesUtf8) {
  EXPECT_EQ(ToWide(platform::Utf8ToGbk("星期四")), L"星期四");
  EXPECT_EQ(ToWide(""), L"");
  EXPECT_EQ(Utf8ToWide("春节"), L"春节");
  // The same bytes read in the wrong encoding are not the same text: the two must not be swapped.
  EXPECT_NE(ToWide("春节"), L"春节");
}

}  // namespace
