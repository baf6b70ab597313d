#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace {

// 农历 in GBK: C5 A9 C0 FA.
const std::string kGbkNongli = "\xC5\xA9\xC0\xFA";

TEST(CodePage, GbkRoundTripsThroughUtf8AndWide) {
  EXPECT_EQ(platform::GbkToUtf8(kGbkNongli), "农历");
  EXPECT_EQ(platform::Utf8ToGbk("农历"), kGbkNongli);
  EXPECT_EQ(platform::GbkToWide(kGbkNongli), L"农历");
  EXPECT_EQ(platform::WideToGbk(L"农历"), kGbkNongli);
  EXPECT_EQ(platform::GbkToUtf8("(abc)"), "(abc)");
}

TEST(CodePage, EmptyTextsStayEmpty) {
  EXPECT_EQ(platform::GbkToUtf8(""), "");
  EXPECT_EQ(platform::Utf8ToWide(""), L"");
  EXPECT_EQ(platform::WideToUtf8(L""), "");
}

TEST(CodePage, InvalidBytesBecomeReplacementsAndTheRestSurvives) {
  // A lone lead byte at the end and a byte that starts no GBK character.
  EXPECT_EQ(platform::GbkToUtf8("a\xC5"), "a\xEF\xBF\xBD");
  EXPECT_EQ(platform::Utf8ToWide("x\xFFy"), L"x\xFFFDy");
  EXPECT_EQ(platform::Utf8ToWide("\xE5\x86"), L"\xFFFD\xFFFD");  // truncated 3-byte sequence
  EXPECT_EQ(platform::Utf8ToWide("\xC0\x80"), L"\xFFFD\xFFFD");  // overlong NUL
  // A character GBK cannot hold becomes '?'.
  EXPECT_EQ(platform::Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");
}

// Each platform decodes GBK its own way (iconv, code page 936): both must replace the same bytes.
TEST(CodePage, OnlyTheBadGbkBytesAreLost) {
  EXPECT_EQ(platform::GbkToUtf8("\xC5\xA9\xFF\xC0\xFA"), "农\xEF\xBF\xBD历");  // 0xFF starts nothing
  EXPECT_EQ(platform::GbkToUtf8("\xC5 x"), "\xEF\xBF\xBD x");                     // lead byte, no trail byte
  EXPECT_EQ(platform::GbkToWide("\xC0\xFA\xC5"), L"历\xFFFD");
  EXPECT_EQ(platform::GbkToUtf8("\x80"), "\xE2\x82\xAC");  // GBK's single-byte euro sign
}

TEST(CodePage, CharactersMissingFromGbkBecomeOneQuestionMarkEach) {
  // No look-alike substitutes: U+00C0 is not written as 'A'.
  EXPECT_EQ(platform::Utf8ToGbk("\xC3\x80"), "?");
  EXPECT_EQ(platform::WideToGbk(platform::Utf8ToWide("\xF0\x9F\x98\x80\xE5\x86\x9C")), "?\xC5\xA9");
  EXPECT_EQ(platform::Utf8ToGbk("a\xFF\xE5\x86\x9C"), "a?\xC5\xA9");  // invalid UTF-8
  EXPECT_EQ(platform::Utf8ToGbk("?"), "?");
}

TEST(CodePage, WideAndUtf8RoundTripOutsideTheBasicPlane) {
  std::string utf8 = "\xF0\x9F\x8C\x99 月";
  EXPECT_EQ(platform::WideToUtf8(platform::Utf8ToWide(utf8)), utf8);
}

TEST(CodePage, Utf8PrefixNeverSplitsACharacter) {
  std::string six = "劳动节劳动节";  // 18 bytes
  EXPECT_EQ(platform::Utf8PrefixAtBoundary(six, 17), 15u);
  EXPECT_EQ(platform::Utf8PrefixAtBoundary(six, 18), 18u);
  EXPECT_EQ(platform::Utf8PrefixAtBoundary("abc", 2), 2u);
  EXPECT_EQ(platform::Utf8PrefixAtBoundary("元", 2), 0u);
}

}  // namespace
