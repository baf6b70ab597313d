// The day cell's painting rule, through a recording canvas.
#include <gtest/gtest.h>

#include "grid/cell_lines.h"
#include "grid/grid_constants.h"
#include "grid_window_support.h"
#include "recording_canvas.h"

namespace {

using namespace gridtest;

class PaintTest : public GridWindowTest {
 protected:
  // Paints the cell that holds `date` after a fill of its month.
  RecordingCanvas PaintCellOf(int year, int month, int day, int cell) {
    auto& w = window ? *window : Open();
    w.FillMonthGrid(year, month, 0, 0);
    host.RunUntilIdle();
    EXPECT_EQ(w.DayCell(cell)->date, Date(year, month, day));
    return Paint(cell);
  }
  RecordingCanvas Paint(int cell) {
    RecordingCanvas canvas;
    auto* c = window->DayCell(cell);
    c->DoPaint(&canvas, c->GetPos());
    return canvas;
  }
  static constexpr DWORD kRed = grid::kHighlightColour | 0xFF000000u;
};

TEST_F(PaintTest, AJustBuiltCellPaintsNoText) {
  auto& w = Open();
  w.DayCell(1)->SetVisible(true);
  host.RunUntilIdle();
  EXPECT_TRUE(Paint(1).texts.empty());
}

TEST_F(PaintTest, TwentyNinthOfFebruaryOnlyInLeapYears) {
  auto const leap = PaintCellOf(2016, 2, 29, 30);
  ASSERT_EQ(leap.texts.size(), 2u);
  EXPECT_EQ(leap.texts[0].text, L"29");
  window->DayCell(30)->date = Date(2015, 2, 29);
  EXPECT_TRUE(Paint(30).texts.empty());
}

TEST_F(PaintTest, TwoLinesWithFontsRectanglesAndColours) {
  auto const canvas = PaintCellOf(2015, 2, 5, 5);  // 腊月十七: no festival, no term
  ASSERT_EQ(canvas.texts.size(), 2u);
  auto const& first = canvas.texts[0];
  auto const& second = canvas.texts[1];
  auto const item = window->DayCell(5)->GetPos();
  EXPECT_EQ(first.text, L"05");
  EXPECT_EQ(first.rect, (RECT{item.left, item.top, item.right, item.bottom - 20}));
  EXPECT_EQ(first.font, window->GetPaintManager().GetFont(2));
  EXPECT_EQ(first.colour, 0xFF000000u);
  EXPECT_EQ(second.text, L"十七");
  EXPECT_EQ(second.rect, (RECT{item.left, item.top + 20, item.right, item.bottom}));
  EXPECT_EQ(second.font, window->GetPaintManager().GetFont(3));
  EXPECT_EQ(second.colour, 0xFF000000u);
  EXPECT_EQ(first.style, window->DayCell(5)->GetTextStyle());
}

TEST_F(PaintTest, FestivalsAndTermsInRedNeighbourDaysInGrey) {
  Open();
  auto const festival = PaintCellOf(2015, 2, 19, 19);  // 春节
  EXPECT_EQ(festival.texts[1].text, L"春节");
  EXPECT_EQ(festival.texts[1].colour, kRed);
  EXPECT_EQ(festival.texts[0].colour, 0xFF000000u);
  auto const term = Paint(4);  // 立春
  EXPECT_EQ(term.texts[1].text, L"立春");
  EXPECT_EQ(term.texts[1].colour, kRed);
  auto const lantern = Paint(33);  // 5 March, 元宵节, a grey neighbour day: its festival stays red
  EXPECT_EQ(lantern.texts[0].text, L"05");
  EXPECT_EQ(lantern.texts[0].colour, 0xFF808080u);
  EXPECT_EQ(lantern.texts[1].text, L"元宵节");
  EXPECT_EQ(lantern.texts[1].colour, kRed);
  auto const plain = Paint(30);  // 2 March, 正月十二
  EXPECT_EQ(plain.texts[1].text, L"十二");
  EXPECT_EQ(plain.texts[1].colour, 0xFF808080u);
}

TEST_F(PaintTest, GregorianFestivalWhenNoLunarOne) {
  auto const canvas = PaintCellOf(2015, 10, 1, 5);
  EXPECT_EQ(canvas.texts[1].text, L"国庆");
  EXPECT_EQ(canvas.texts[1].colour, kRed);
}

TEST_F(PaintTest, AnUnsetTextColourUsesTheWindowDefaultAndStaysUnset) {
  auto& w = Open();
  w.FillMonthGrid(2015, 2, 0, 0);
  w.DayCell(10)->SetTextColor(0);
  w.GetPaintManager().SetDefaultFontColor(0xFF123456);
  host.RunUntilIdle();
  auto const canvas = Paint(10);
  EXPECT_EQ(canvas.texts[0].colour, 0xFF123456u);
  EXPECT_EQ(w.DayCell(10)->GetTextColor(), 0u);
  EXPECT_EQ(w.DayCell(10)->GetDisabledTextColor(), w.GetPaintManager().GetDefaultDisabledColor());
}

TEST_F(PaintTest, ADisabledCellUsesTheDisabledColourForBothLines) {
  auto& w = Open();
  w.FillMonthGrid(2015, 2, 0, 0);
  w.DayCell(19)->SetEnabled(false);
  w.DayCell(19)->SetDisabledTextColor(0xFF999999);
  host.RunUntilIdle();
  auto const canvas = Paint(19);
  EXPECT_EQ(canvas.texts[0].colour, 0xFF999999u);
  EXPECT_EQ(canvas.texts[1].colour, 0xFF999999u);
}

TEST_F(PaintTest, TextLiesOverTheBackgroundAndTheSelectedImage) {
  auto& w = Open();
  w.FillMonthGrid(2015, 2, 0, 0);
  w.DayCell(19)->SetBkImage(grid::kRestDayImage);
  w.DayCell(19)->Selected(true);
  host.RunUntilIdle();
  EXPECT_EQ(Paint(19).steps, (std::vector<std::string>{"image jiaqi.png", "image default_select.png", "text", "text"}));
}

TEST_F(PaintTest, TheWholeWindowPaintsTwoLinesPerShownCell) {
  auto& w = Open();
  w.FillMonthGrid(2015, 12, 0, 0);  // 33 shown cells
  host.RunUntilIdle();
  RecordingCanvas canvas;
  w.GetPaintManager().Paint(canvas);
  int cellTexts = 0;
  for (const auto& t : canvas.texts)
    if (t.font == w.GetPaintManager().GetFont(2) || t.font == w.GetPaintManager().GetFont(3)) ++cellTexts;
  EXPECT_EQ(cellTexts, 2 * 33 + 7);  // and the seven weekday names, in font 3
}

}  // namespace
