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
  RecordingCanvas Paint(int cell) {
    host.RunUntilIdle();  // layout
    RecordingCanvas canvas;
    auto* c = window->DayCell(cell);
    c->DoPaint(&canvas, c->GetPos());
    return canvas;
  }
  static std::vector<std::wstring> Lines(const RecordingCanvas& canvas) {
    std::vector<std::wstring> lines;
    for (const auto& t : canvas.texts) lines.push_back(t.text);
    return lines;
  }
  static constexpr DWORD kRed = 0xFFFF5757, kBlack = 0xFF000000, kGrey = 0xFF808080;
};

TEST_F(PaintTest, NoTextForAZeroDateOrAnImpossibleDate) {
  auto& w = Open();
  w.DayCell(1)->SetVisible(true);
  EXPECT_TRUE(Paint(1).texts.empty());
  w.DayCell(1)->date = Date(2016, 2, 29);
  EXPECT_EQ(Lines(Paint(1)), (std::vector<std::wstring>{L"29", L"廿二"}));
  w.DayCell(1)->date = Date(2015, 2, 29);
  EXPECT_TRUE(Paint(1).texts.empty());
}

TEST_F(PaintTest, DayNumberInFontTwoOverTheSecondLineInFontThree) {
  auto& w = Open();
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  auto const canvas = Paint(5);  // 腊月十七: no festival, no term
  ASSERT_EQ(Lines(canvas), (std::vector<std::wstring>{L"05", L"十七"}));
  auto const item = w.DayCell(5)->GetPos();
  auto const& [first, second] = std::tie(canvas.texts[0], canvas.texts[1]);
  EXPECT_EQ(first.rect, (RECT{item.left, item.top, item.right, item.bottom - 20}));
  EXPECT_EQ(second.rect, (RECT{item.left, item.top + 20, item.right, item.bottom}));
  EXPECT_EQ(first.font, w.GetPaintManager().GetFont(2));
  EXPECT_EQ(second.font, w.GetPaintManager().GetFont(3));
  EXPECT_EQ(first.colour, kBlack);
  EXPECT_EQ(second.colour, kBlack);
}

TEST_F(PaintTest, SecondLinePriorityAndColours) {
  auto& w = Open();
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  struct Case {
    int cell;
    const wchar_t* line;
    DWORD first, second;
  };
  for (auto const& c : {Case{19, L"春节", kBlack, kRed},      // lunar festival
                        Case{4, L"立春", kBlack, kRed},       // solar term
                        Case{33, L"元宵节", kGrey, kRed},     // 5 March, a neighbour day
                        Case{30, L"十二", kGrey, kGrey}}) {  // 2 March: the lunar day
    auto const canvas = Paint(c.cell);
    ASSERT_EQ(canvas.texts.size(), 2u) << c.cell;
    EXPECT_EQ(canvas.texts[1].text, c.line);
    EXPECT_EQ(canvas.texts[0].colour, c.first) << c.cell;
    EXPECT_EQ(canvas.texts[1].colour, c.second) << c.cell;
  }
  w.DayCell(19)->date = Date(2015, 10, 1);  // Gregorian festival
  EXPECT_EQ(Lines(Paint(19))[1], L"国庆");
  w.DayCell(19)->date = Date(1905, 2, 4);  // 春节 on 立春: the festival
  EXPECT_EQ(Lines(Paint(19))[1], L"春节");
}

TEST_F(PaintTest, AnUnsetTextColourUsesTheWindowDefaultAndStaysUnset) {
  auto& w = Open();
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  w.DayCell(10)->SetTextColor(0);
  w.GetPaintManager().SetDefaultFontColor(0xFF123456);
  EXPECT_EQ(Paint(10).texts[0].colour, 0xFF123456u);
  EXPECT_EQ(w.DayCell(10)->GetTextColor(), 0u);
}

TEST_F(PaintTest, TextLiesOverTheBackgroundAndTheSelectedImage) {
  auto& w = Open();
  w.view.FillMonthGrid(2015, 2, grid::kSelectNothing);
  w.DayCell(19)->SetBkImage(grid::kRestDayImage);
  w.DayCell(19)->Selected(true);
  EXPECT_EQ(Paint(19).steps, (std::vector<std::string>{"image jiaqi.png", "image default_select.png", "text", "text"}));
}

TEST_F(PaintTest, TodayIsMarkedOverItsBadgeWhileAnotherDayIsSelected) {
  SetToday(2023, 10, 7);
  almanac.workedDays = {{2023, 10, 7}};
  auto& w = Open();
  w.ShowMonth(2023, 10, 12, grid::kSelectNothing);
  w.DayCell(12)->Selected(true);  // 12 October; today, 7 October, is cell 7
  ASSERT_EQ(w.DayCell(7)->GetBkImage(), grid::kWorkedDayImage);  // the 班 badge stays
  auto const today = Paint(7);
  EXPECT_EQ(today.steps, (std::vector<std::string>{"image ban.png", "fill", "text", "text"}));
  EXPECT_EQ(today.fills.back().second, grid::kTodayMarkColour);
  EXPECT_EQ(today.texts[0].colour, grid::kTodayMarkTextColour);
  auto const other = Paint(8);
  EXPECT_TRUE(other.fills.empty());
  EXPECT_EQ(other.texts[0].colour, kBlack);
}

}  // namespace
