#include "grid/cell_lines.h"

#include <cstring>

#include <gtest/gtest.h>

#include "grid/cell_layout.h"
#include "lunar/festival_lookup.h"
#include "platform/code_page.h"

namespace {

using namespace grid;

DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

// The engine's festival look-ups answer from two fixed keys, as the store would.
bool Gregorian(const char* key, char* out) {
  if (std::strcmp(key, "101") == 0) std::strcpy(out, "国庆");
  if (std::strcmp(key, "45") == 0) std::strcpy(out, "清明节");  // a Gregorian festival on a term day
  return true;
}
bool Lunar(const char* key, char* out) {
  if (platform::GbkToUtf8(key) == "正月初一") std::strcpy(out, "春节");
  if (platform::GbkToUtf8(key) == "二月十七") std::strcpy(out, "农");  // 5 April 2015, 清明
  return true;
}

class CellLinesTest : public testing::Test {
 protected:
  void SetUp() override { SetFestivalLookups({Gregorian, Lunar}); }
  void TearDown() override { SetFestivalLookups({}); }
};

TEST_F(CellLinesTest, ImpossibleDatesDrawNothing) {
  EXPECT_FALSE(CellLinesFor(Date(0, 0, 0)));  // a freshly built cell
  EXPECT_FALSE(CellLinesFor(Date(2015, 2, 29)));
  EXPECT_FALSE(CellLinesFor(Date(2015, 13, 1)));
  EXPECT_FALSE(CellLinesFor(Date(2015, 4, 31)));
  EXPECT_TRUE(CellLinesFor(Date(2016, 2, 29)));
}

TEST_F(CellLinesTest, FirstLineIsTheDayWithALeadingZero) {
  EXPECT_EQ(CellLinesFor(Date(2015, 3, 5))->first, L"05");
  EXPECT_EQ(CellLinesFor(Date(2015, 3, 25))->first, L"25");
}

TEST_F(CellLinesTest, SecondLinePriority) {
  auto line = [](int y, int m, int d) { return CellLinesFor(Date(y, m, d))->second; };
  // Lunar festival over a solar term and a Gregorian festival (5 April 2015: 清明, 二月十七).
  EXPECT_EQ(line(2015, 4, 5).text, L"农");
  EXPECT_TRUE(line(2015, 4, 5).highlight);
  // Lunar festival alone (19 February 2015, 正月初一).
  EXPECT_EQ(line(2015, 2, 19).text, L"春节");
  // Gregorian festival.
  EXPECT_EQ(line(2015, 10, 1).text, L"国庆");
  EXPECT_TRUE(line(2015, 10, 1).highlight);
  // Solar term alone (立春, 4 February 2015).
  EXPECT_EQ(line(2015, 2, 4).text, L"立春");
  EXPECT_TRUE(line(2015, 2, 4).highlight);
  // Nothing else: the lunar day, plain (10 February 2015 is 腊月廿二).
  EXPECT_EQ(line(2015, 2, 10).text, L"廿二");
  EXPECT_FALSE(line(2015, 2, 10).highlight);
}

TEST_F(CellLinesTest, AYearTheEngineCannotConvertKeepsItsDayNumber) {
  auto const lines = CellLinesFor(Date(2051, 1, 7));
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->first, L"07");
  EXPECT_EQ(lines->second.text, L"");
}

TEST(CellTextRects, LinesOverlapByTenInAFiftyPixelCell) {
  auto const r = CellTextRectsFor({47, 49, 96, 99}, {});
  EXPECT_EQ(r.first, (Rect{47, 49, 96, 79}));
  EXPECT_EQ(r.second, (Rect{47, 69, 96, 99}));
}

TEST(CellTextRects, InsetsMoveEachEdgeInwards) {
  auto const r = CellTextRectsFor({0, 0, 49, 50}, {1, 2, 3, 4});
  EXPECT_EQ(r.first, (Rect{1, 2, 46, 26}));
  EXPECT_EQ(r.second, (Rect{1, 22, 46, 46}));
}

TEST(CellLayout, PositionsAndNames) {
  EXPECT_EQ(CellPosText(1), L"0,0,49,50");
  EXPECT_EQ(CellPosText(8), L"0,49,49,99");
  EXPECT_EQ(CellPosText(7), L"282,0,331,50");
  EXPECT_EQ(CellPosText(42), L"282,245,331,295");
  EXPECT_EQ(CellName(1), L"cal_cell_1");
  EXPECT_EQ(CellName(42), L"cal_cell_42");
}

TEST(CellColours, TextColourAndHighlight) {
  CellColourInput in{.textColour = 0xFF808080, .defaultFontColour = 0xFF000000, .defaultDisabledColour = 0xFFA7A6AA};
  auto plain = ChooseCellColours(in, false);
  EXPECT_EQ(plain.first, 0xFF808080u);
  EXPECT_EQ(plain.second, 0xFF808080u);
  auto festive = ChooseCellColours(in, true);
  EXPECT_EQ(festive.first, 0xFF808080u);
  EXPECT_EQ(festive.second, kHighlightColour);
  EXPECT_EQ(kHighlightColour & 0xFFFFFFu, 0xFF5757u);
  EXPECT_EQ(kHighlightColour >> 24, 0xFFu);  // opaque
}

TEST(CellColours, UnsetColoursFallBackToTheWindowDefaults) {
  CellColourInput in{.defaultFontColour = 0xFF112233, .defaultDisabledColour = 0xFFA7A6AA};
  auto c = ChooseCellColours(in, false);
  EXPECT_EQ(c.first, 0xFF112233u);
  EXPECT_EQ(c.disabledTextColour, 0xFFA7A6AAu);
}

TEST(CellColours, SelectedTextColourWinsWhileSet) {
  CellColourInput in{.textColour = 0xFF000000, .selectedTextColour = 0xFFFFFFFF, .defaultFontColour = 0xFF0000FF};
  EXPECT_EQ(ChooseCellColours(in, false).first, 0xFFFFFFFFu);
  EXPECT_EQ(ChooseCellColours(in, true).second, kHighlightColour);
}

TEST(CellColours, ADisabledCellDrawsBothLinesInTheDisabledColour) {
  CellColourInput in{.textColour = 0xFF000000, .disabledTextColour = 0xFF999999, .enabled = false};
  auto c = ChooseCellColours(in, true);
  EXPECT_EQ(c.first, 0xFF999999u);
  EXPECT_EQ(c.second, 0xFF999999u);
}

}  // namespace
