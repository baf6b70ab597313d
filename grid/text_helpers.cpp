#include "grid/text_helpers.h"

#include "platform/code_page.h"

namespace grid {

std::wstring ToWide(std::string_view gbk) { return gbk.empty() ? std::wstring() : platform::GbkToWide(gbk); }

std::wstring Utf8ToWide(std::string_view utf8) { return platform::Utf8ToWide(utf8); }

std::wstring FormatTwoDigits(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }

std::wstring FormatYearMonth(int year, int month) { return std::to_wstring(year) + L"/" + std::to_wstring(month); }

}  // namespace grid
