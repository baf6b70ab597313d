// Fonts and colours of the texts the controls draw over the art (documented in skin/LAYOUT.md).
#pragma once

#include "canvas.h"

namespace art::style {

inline constexpr TextStyle now_time{.px = 13, .colour = palette::header_soft_text};
inline constexpr TextStyle now_temp{.px = 12, .colour = palette::header_soft_text};
inline constexpr TextStyle now_day{.px = 46, .bold = true, .colour = palette::header_text, .align = Align::centre};
inline constexpr TextStyle now_week{.px = 15, .colour = palette::header_text};
inline constexpr TextStyle now_datetime{.px = 13, .colour = palette::header_soft_text};
inline constexpr TextStyle now_lunar{.px = 16, .bold = true, .colour = palette::header_text};
inline constexpr TextStyle now_lunarYear{.px = 12, .colour = palette::header_soft_text};
inline constexpr TextStyle now_lunarMonth{.px = 12, .colour = palette::header_soft_text};
inline constexpr TextStyle almanac{.px = 12, .colour = palette::header_text};
inline constexpr TextStyle combo{.px = 13, .colour = hex(0x33404D)};
inline constexpr double kComboTextInset = 10;
inline constexpr TextStyle today{.px = 12, .bold = true, .colour = palette::header_text, .align = Align::centre};
// Fonts 2 and 3 of the main window: the day number and the line beneath it.
inline constexpr TextStyle cell_day{.px = 16, .colour = palette::day_black, .align = Align::centre};
inline constexpr TextStyle cell_line{.px = 11, .colour = palette::day_black, .align = Align::centre};

}  // namespace art::style

namespace art::style {

struct NamedStyle {
  const char* name;
  TextStyle style;
};

// The main window's text controls with the styles the header art is made for.
inline constexpr NamedStyle kMainTexts[] = {
    {"now_time", now_time},         {"now_temp", now_temp},           {"now_day", now_day},
    {"now_week", now_week},         {"now_datetime", now_datetime},   {"now_lunar", now_lunar},
    {"now_lunarYear", now_lunarYear}, {"now_lunarMonth", now_lunarMonth}, {"lbl_yi", almanac},
    {"lbl_ji", almanac},            {"com_year", combo},              {"com_month", combo},
    {"btn_today", today},
};

}  // namespace art::style
