// Every text the header and the day cells show for a date 1901-2050 fits its label without an ellipsis:
// each distinct text measured with the real canvas, in the label's font, against the label's width.
#include <map>
#include <set>
#include <string>

#include "almanac/almanac_batch.h"
#include "app/clock_text.h"
#include "grid/almanac_errors.h"
#include "grid/cell_layout.h"
#include "grid/cell_lines.h"
#include "grid/day_details.h"
#include "lunar/gregorian.h"
#include "lunar/supported_years.h"
#include "ui/render/render_frame.h"
#include "widget_fixture.h"

namespace {

using namespace e2e;

using TextsFitTest = WidgetTest;

TEST_F(TextsFitTest, EveryHeaderAndCellTextOfEveryDateFitsItsLabel) {
  auto& w = Open();
  host.RunUntilIdle();  // layout: the labels have their rectangles
  std::map<std::wstring, std::set<std::wstring>> texts;  // label name -> what it shows
  std::set<std::wstring> dayNumbers, secondLines;
  auto const lookups = grid::WidgetAlmanacLookups();
  AlmanacBatch const batch;
  for (int year = lunar::kFirstYear; year <= lunar::kLastYear; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= lunar::DaysInMonth(year, month); ++day) {
        auto const details = grid::MakeDayDetails(year, month, day);
        ASSERT_TRUE(details);
        texts[L"now_week"].insert(details->week);
        texts[L"now_day"].insert(details->day);
        texts[L"now_datetime"].insert(details->yearMonth);
        texts[L"now_lunar"].insert(details->lunar);
        texts[L"now_lunarYear"].insert(details->lunarYear);
        texts[L"now_lunarMonth"].insert(details->lunarMonth);
        auto const almanac = grid::MakeAlmanacTexts({year, month, day, 0, 0, 0}, lookups);
        texts[L"lbl_yi"].insert(almanac.yi);
        texts[L"lbl_ji"].insert(almanac.ji);
        auto const lines = grid::CellLinesFor({year, month, day, 0, 0, 0});
        ASSERT_TRUE(lines);
        dayNumbers.insert(lines->first);
        secondLines.insert(lines->second.text);
      }
  // What the rows say without the almanac, and the clock.
  for (auto const text : {grid::kNoAlmanacText, grid::kUnreadableAlmanacText, grid::kBusyAlmanacText})
    texts[L"lbl_yi"].insert(std::wstring(text));
  for (auto const text : {grid::kNoYiJiText, grid::kBusyRetryText}) texts[L"lbl_ji"].insert(std::wstring(text));
  for (int hour = 0; hour < 24; ++hour) texts[L"now_time"].insert(FormatClockText(hour, 58, 58));

  RenderFrame frame(8, 8);
  auto& canvas = frame.Canvas();
  const auto& manager = w.GetPaintManager();
  auto expectFit = [&](const std::wstring& where, const std::set<std::wstring>& shown, int fontIndex, int width) {
    auto const& font = manager.GetFont(fontIndex);
    int widest = 0;
    std::wstring widestText;
    for (const auto& text : shown) {
      auto const size = canvas.MeasureText(text, font, 0, DT_SINGLELINE);
      if (size.cx > widest) widest = size.cx, widestText = text;
    }
    EXPECT_LE(widest, width) << "needs an ellipsis in " << testing::PrintToString(where) << " ("
                             << width << " px): " << testing::PrintToString(widestText) << ", " << widest << " px";
  };
  for (const auto& [name, shown] : texts) {
    auto* label = dynamic_cast<CLabelUI*>(w.Find(name));
    ASSERT_NE(label, nullptr) << testing::PrintToString(name);
    auto const& padding = label->GetTextPadding();
    expectFit(name, shown, label->GetFont(), label->GetPos().Width() - padding.left - padding.right);
  }
  // The cells draw their day number in font 2 and the line beneath in font 3.
  expectFit(L"a day cell's first line", dayNumbers, 2, grid::kCellWidth);
  expectFit(L"a day cell's second line", secondLines, 3, grid::kCellWidth);
  EXPECT_GT(texts[L"lbl_yi"].size(), 100u);  // the almanac was read
}

}  // namespace
