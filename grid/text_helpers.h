#pragma once
// The small text functions the grid and the detail labels share. Narrow texts from the lunar engine and
// from the almanac's ANSI columns are GBK on every platform; only the two festival names are UTF-8.
#include <string>
#include <string_view>

namespace grid {

// Wide text of a GBK text; empty for an empty text.
std::wstring ToWide(std::string_view gbk);
// Wide text of a UTF-8 text.
std::wstring Utf8ToWide(std::string_view utf8);
// "07" for 7, "15" for 15: a leading zero below 10.
std::wstring FormatTwoDigits(int n);
// "2015/3": the month unpadded.
std::wstring FormatYearMonth(int year, int month);

}  // namespace grid
