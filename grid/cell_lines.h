#pragma once
// What a day cell draws: its day number on a first line and, beneath it, a festival, a solar term or the
// lunar day on a second line, with the rectangles and colours of both. Pure apart from CellLinesFor, which
// converts the date (and so asks the festival look-ups connected to the lunar engine).
#include <cstdint>
#include <optional>
#include <string>

#include "almanac/date_time_record.h"
#include "lunar/calendar_day.h"

namespace grid {

struct SecondLine {
  std::wstring text;
  bool highlight = false;  // festivals and solar terms are drawn in the highlight colour
};

struct CellLines {
  std::wstring first;  // the day of the month, two digits at least
  SecondLine second;
};

// First match wins: lunar festival, Gregorian festival (both UTF-8), solar term, then the lunar month's
// name on its first day ("正月", "闰二月") and the lunar day on the others (GBK).
SecondLine ChooseSecondLine(const lunar::CalendarDay& day);

// The two lines of a stored date; nothing for a date that is not a real Gregorian date (a freshly built
// cell holds all zeros). A year the engine cannot convert gets its day number and an empty second line.
std::optional<CellLines> CellLinesFor(const DateTimeRecord& date);

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct CellTextRects {
  Rect first;
  Rect second;
};

// The cell rectangle shrunk by the text insets; the first line loses its bottom 20 pixels, the second its
// top 20, so in a 50-pixel cell they overlap by 10.
CellTextRects CellTextRectsFor(const Rect& item, const Rect& insets);

// Today's marker: a blue box behind the day number, which is then drawn white. 22 x 20 pixels centred
// in the first line's rectangle (its text is centred there too), clear of the badges in the top-right
// corner (x 35-46).
inline constexpr std::uint32_t kTodayMarkColour = 0xFF2C8FE4;
inline constexpr std::uint32_t kTodayMarkTextColour = 0xFFFFFFFF;
constexpr Rect TodayMarkRect(const Rect& firstLine) {
  auto const cx = (firstLine.left + firstLine.right) / 2;
  auto const cy = (firstLine.top + firstLine.bottom) / 2;
  return {cx - 11, cy - 10, cx + 11, cy + 10};
}

// Red FF5757. Written opaque so that no canvas can read the word as "transparent".
inline constexpr std::uint32_t kHighlightColour = 0xFFFF5757;

struct CellColourInput {
  std::uint32_t textColour = 0;          // 0: not set
  std::uint32_t disabledTextColour = 0;  // 0: not set
  std::uint32_t selectedTextColour = 0;  // 0: not set; used while painting when set
  bool enabled = true;
  std::uint32_t defaultFontColour = 0;
  std::uint32_t defaultDisabledColour = 0;
};

struct CellColours {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  // The disabled colour the cell keeps from now on (the default one when it had none).
  std::uint32_t disabledTextColour = 0;
};

// The cell's own text colour is only read: painting never changes it.
CellColours ChooseCellColours(const CellColourInput& in, bool highlight);

}  // namespace grid
