// The main window's pure rules: the clock text, the midnight rule, the key filter and the caption classes.
#include <gtest/gtest.h>

#include "app/clock_text.h"
#include "app/message_rules.h"
#include "app/midnight_rule.h"

namespace {

TEST(ClockText, EveryFieldHasTwoDigits) {
  EXPECT_EQ(FormatClockText(9, 5, 7), L"09:05:07");
  EXPECT_EQ(FormatClockText(10, 0, 0), L"10:00:00");
  EXPECT_EQ(FormatClockText(0, 0, 0), L"00:00:00");
  EXPECT_EQ(FormatClockText(23, 59, 59), L"23:59:59");
  EXPECT_EQ(FormatClockText(12, 10, 9), L"12:10:09");
}

DateTimeRecord D(int y, int m, int d, int hour = 0) { return {y, m, d, hour, 0, 0}; }

TEST(MidnightRule, TheSameDateChangesNothingWhateverTheTime) {
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 19, 23), D(2015, 2, 19)), MidnightAction::None);
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 19), std::nullopt), MidnightAction::None);
}

TEST(MidnightRule, ASelectedOldTodayFollowsToTheNewToday) {
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 20), D(2015, 2, 19)), MidnightAction::FollowToday);
  // Across a year, and with the time part of the selected record ignored.
  EXPECT_EQ(DecideMidnightAction(D(2015, 12, 31), D(2016, 1, 1), D(2015, 12, 31, 8)), MidnightAction::FollowToday);
}

TEST(MidnightRule, AnyOtherSelectionStaysAndOnlyTheMarkerMoves) {
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 20), D(2015, 2, 10)), MidnightAction::MoveTodayMarker);
  // The same month and day in another year is another day.
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 20), D(2014, 2, 19)), MidnightAction::MoveTodayMarker);
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 20), std::nullopt), MidnightAction::MoveTodayMarker);
  // A clock set back moves the marker too.
  EXPECT_EQ(DecideMidnightAction(D(2015, 2, 19), D(2015, 2, 18), D(2015, 3, 1)), MidnightAction::MoveTodayMarker);
}

TEST(MessageRules, OnlyEnterEscapeUpAndDownAreFiltered) {
  for (auto key : {DuiLib::VK_RETURN, DuiLib::VK_ESCAPE, DuiLib::VK_UP, DuiLib::VK_DOWN})
    EXPECT_TRUE(IsFilteredKey(key)) << key;
  for (DuiLib::WPARAM key : {DuiLib::WPARAM{'A'}, DuiLib::WPARAM{0x25}, DuiLib::WPARAM{0x27}, DuiLib::WPARAM{0x09}})
    EXPECT_FALSE(IsFilteredKey(key)) << key;
}

TEST(MessageRules, CaptionBackgroundIsAnyClassButTheSevenComparedExactly) {
  for (auto const* cls : {L"ButtonUI", L"OptionUI", L"TextUI", L"ComboUI", L"LabelUI", L"ContainerUI", L"EditUI"})
    EXPECT_FALSE(IsCaptionBackgroundClass(cls));
  for (auto const* cls : {L"VerticalLayoutUI", L"ControlUI", L"labelUI", L"BUTTONUI", L"LabelUI ", L""})
    EXPECT_TRUE(IsCaptionBackgroundClass(cls));
}

}  // namespace
