#pragma once
// The years the calendar covers. The lunar-month and solar-term tables hold exactly these years, so the
// engine converts dates of these years only, and everything that takes a year from the user (the command
// line, the year picker) keeps to them.
namespace lunar {

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1;

constexpr bool IsSupportedYear(int year) noexcept { return year >= kFirstYear && year <= kLastYear; }

}  // namespace lunar
