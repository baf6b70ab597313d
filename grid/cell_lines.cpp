#include "grid/cell_lines.h"

#include "grid/text_helpers.h"
#include "lunar/gregorian.h"

namespace grid {

SecondLine ChooseSecondLine(const lunar::CalendarDay& day) {
  if (!day.lunarFestivalText.empty()) return {Utf8ToWide(day.lunarFestivalText.view()), true};
  if (!day.gregorianFestivalText.empty()) return {Utf8ToWide(day.gregorianFestivalText.view()), true};
  if (!day.solarTermText.empty()) return {ToWide(day.solarTermText.view()), true};
  // The month's name in place of 初一 shows where lunar months, leap months among them, begin.
  if (day.lunarDay == 1 && !day.lunarMonthText.empty()) return {ToWide(day.lunarMonthText.view()), false};
  return {ToWide(day.lunarDayText.view()), false};
}

std::optional<CellLines> CellLinesFor(const DateTimeRecord& date) {
  if (!lunar::IsValidGregorianDate(date.year, date.month, date.day)) return std::nullopt;
  lunar::CalendarDay day;
  day.SetDate(date.year, date.month, date.day);
  return CellLines{FormatTwoDigits(date.day), ChooseSecondLine(day)};
}

CellTextRects CellTextRectsFor(const Rect& item, const Rect& insets) {
  Rect const inner{item.left + insets.left, item.top + insets.top, item.right - insets.right,
                   item.bottom - insets.bottom};
  CellTextRects rects{inner, inner};
  rects.first.bottom -= 20;
  rects.second.top += 20;
  return rects;
}

CellColours ChooseCellColours(const CellColourInput& in, bool highlight) {
  auto text = in.selectedTextColour != 0 ? in.selectedTextColour : in.textColour;
  if (text == 0) text = in.defaultFontColour;
  auto const disabled = in.disabledTextColour != 0 ? in.disabledTextColour : in.defaultDisabledColour;
  auto const plain = in.enabled ? text : disabled;
  return {plain, highlight && in.enabled ? kHighlightColour : plain, disabled};
}

}  // namespace grid
