// Line breaking and caret geometry, measured by a fixed-width stand-in for the canvas.
#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace DuiLib;

constexpr int kCharWidth = 10;
constexpr int kLineHeight = 16;

std::vector<int> FixedWidth(std::wstring_view paragraph) {
  std::vector<int> stops(paragraph.size() + 1);
  for (std::size_t i = 0; i < stops.size(); ++i) stops[i] = static_cast<int>(i) * kCharWidth;
  return stops;
}

std::vector<std::wstring> LinesOf(std::wstring_view text, int width) {
  TextLayout const layout(text, width, kLineHeight, FixedWidth);
  std::vector<std::wstring> lines;
  for (const TextLayout::Line& line : layout.Lines()) lines.emplace_back(text.substr(line.begin, line.end - line.begin));
  return lines;
}

using Lines = std::vector<std::wstring>;

TEST(TextLayout, LatinWrapsBetweenWordsWithBlanksAtTheLineEnd) {
  EXPECT_EQ(LinesOf(L"hello world foo", 60), (Lines{L"hello ", L"world ", L"foo"}));
  EXPECT_EQ(LinesOf(L"go  far", 30), (Lines{L"go  ", L"far"})) << "blanks hang past the edge";
  EXPECT_EQ(LinesOf(L"abcdefghij", 35), (Lines{L"abc", L"def", L"ghi", L"j"})) << "a word wider than the line is cut";
  EXPECT_EQ(LinesOf(L"hello world foo", 0), (Lines{L"hello world foo"})) << "no width, no wrapping";
}

TEST(TextLayout, ChineseWrapsBetweenAnyCharactersButNotBeforeClosingMarks) {
  EXPECT_EQ(LinesOf(L"春眠不觉晓处处闻啼鸟", 50), (Lines{L"春眠不觉晓", L"处处闻啼鸟"}));
  EXPECT_EQ(LinesOf(L"春眠不觉晓，处处闻啼鸟", 50), (Lines{L"春眠不觉", L"晓，处处闻", L"啼鸟"}));
  EXPECT_EQ(LinesOf(L"他说「好」", 30), (Lines{L"他说", L"「好」"})) << "an opening mark goes with what follows";
  EXPECT_EQ(LinesOf(L"今天是Monday吗", 60), (Lines{L"今天是", L"Monday", L"吗"}));
}

TEST(TextLayout, LineBreaksStartLinesAndEmptyTextHasOne) {
  EXPECT_EQ(LinesOf(L"a\n\nb", 100), (Lines{L"a", L"", L"b"}));
  EXPECT_EQ(LinesOf(L"a\n", 100), (Lines{L"a", L""}));
  TextLayout const empty(L"", 100, kLineHeight, FixedWidth);
  EXPECT_EQ(empty.Lines().size(), 1u);
  EXPECT_EQ(empty.CaretPoint(0), (POINT{0, 0}));
}

TEST(TextLayout, TheCaretAtAWrapStandsOnEitherLine) {
  TextLayout const layout(L"hello world", 60, kLineHeight, FixedWidth);
  EXPECT_EQ(layout.CaretPoint(6), (POINT{0, kLineHeight})) << "the start of the lower line";
  EXPECT_EQ(layout.CaretPoint(6, true), (POINT{60, 0})) << "the end of the upper one";
  EXPECT_EQ(layout.CaretPoint(11), (POINT{50, kLineHeight}));

  TextLayout::Hit const pastEnd = layout.HitTest(POINT{200, 3});
  EXPECT_EQ(pastEnd.index, 6u);
  EXPECT_TRUE(pastEnd.upstream);
  EXPECT_EQ(layout.HitTest(POINT{14, kLineHeight + 3}).index, 7u) << "before the middle of a character";
  EXPECT_EQ(layout.HitTest(POINT{16, kLineHeight + 3}).index, 8u) << "past it";
  EXPECT_EQ(layout.HitTest(POINT{24, -40}).index, 2u) << "above the text: the first line";
  EXPECT_EQ(layout.HitTest(POINT{24, 400}).index, 8u) << "below it: the last";
  EXPECT_EQ(layout.IndexOnLine(1, 999).index, 11u);
  EXPECT_FALSE(layout.IndexOnLine(1, 999).upstream) << "the text's end is no wrap";
}

}  // namespace
