#pragma once
// Names and values of the month grid that the skin, the art and the code share.
#include <string_view>

#include "lunar/supported_years.h"

namespace grid {

inline constexpr int kCellCount = 42;  // 6 rows of 7, Sunday first
inline constexpr int kColumns = 7;

// Cell i (1..42) is "cal_cell_i"; all cells share one option group, so one is selected at a time.
inline constexpr std::wstring_view kCellGroup = L"calendar";
inline constexpr std::wstring_view kCalendarContainer = L"cal";

// "com_year" offers the supported years: item i is year kFirstYear - 1 + i (item 0 stands for no year and
// is never offered). "com_month": item m is month m.
constexpr int YearPickerIndex(int year) noexcept { return year - (lunar::kFirstYear - 1); }
constexpr int YearOfPickerIndex(int index) noexcept { return index + (lunar::kFirstYear - 1); }

// "textcolor" values of a filled cell.
inline constexpr std::wstring_view kShownMonthColour = L"#000000";
inline constexpr std::wstring_view kNeighbourMonthColour = L"#808080";

// Background images.
inline constexpr std::wstring_view kTodayImage = L"jintian3.png";
inline constexpr std::wstring_view kRestDayImage = L"jiaqi.png";
inline constexpr std::wstring_view kWorkedDayImage = L"ban.png";

// Selected images.
inline constexpr std::wstring_view kDefaultSelectedImage = L"default_select.png";
inline constexpr std::wstring_view kRestDaySelectedImage = L"jia_selected.png";
inline constexpr std::wstring_view kWorkedDaySelectedImage = L"ban_selected.png";

}  // namespace grid
