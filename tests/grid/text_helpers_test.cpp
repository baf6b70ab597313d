#include "grid/text_helpers.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"

TEST(TextHelpers, PaddingYearMonthAndDecoding) {
  EXPECT_EQ(grid::FormatTwoDigits(7), L"07");
  EXPECT_EQ(grid::FormatTwoDigits(10), L"10");
  EXPECT_EQ(grid::FormatYearMonth(2015, 3), L"2015/3");
  EXPECT_EQ(grid::ToWide(platform::Utf8ToGbk("星期四")), L"星期四");
  EXPECT_EQ(grid::Utf8ToWide("春节"), L"春节");
  EXPECT_NE(grid::ToWide("春节"), L"春节");  // UTF-8 read as GBK: the two must not be swapped
}
