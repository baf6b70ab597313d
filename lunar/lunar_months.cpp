#include "lunar/lunar_months.h"

#include <algorithm>
#include <array>

namespace lunar {
namespace {

constexpr bool BigMonth(std::uint32_t bits, int position) noexcept { return (bits >> position) & 1u; }

constexpr int MonthDaysOf(int lunarYear, int month) noexcept {
  if (lunarYear < kFirstYear) return 30;
  if (lunarYear > kLastYear || month < 1 || month > 12) return 0;
  auto const leap = LeapMonthOf(lunarYear);
  auto const bits = LunarMonthBits[lunarYear - kFirstYear];
  // Month k of the year (leap month included) sits at bit 16 - k.
  auto const position = (leap > 0 && month > leap) ? 15 - month : 16 - month;
  auto const regular = BigMonth(bits, position) ? 30 : 29;
  auto const leapDays = month == leap ? (BigMonth(bits, position - 1) ? 30 : 29) : 0;
  return regular | (leapDays << 16);
}

constexpr int YearDaysOf(int lunarYear) noexcept {
  auto total = 0;
  for (int m = 1; m <= 12; ++m) {
    auto const days = MonthDaysOf(lunarYear, m);
    total += (days & 0xffff) + (days >> 16);
  }
  return total;
}

// Offset of each lunar new year from 1 January 1901; the last entry is the day after lunar year 2050.
constexpr auto kNewYearOffsets = [] {
  std::array<int, kYearCount + 1> starts{};
  starts[0] = kLunarNewYear1901Offset;
  for (int i = 0; i < kYearCount; ++i) starts[i + 1] = starts[i] + YearDaysOf(kFirstYear + i);
  return starts;
}();

static_assert(YearDaysOf(1901) == 354 && YearDaysOf(1903) == 383 && YearDaysOf(2023) == 384);
static_assert(kNewYearOffsets.back() > kLastDayOffset, "the table covers every date up to 2050-12-31");

}  // namespace

int LunarMonthDays(int lunarYear, int month) noexcept { return MonthDaysOf(lunarYear, month); }

int LunarYearDays(int lunarYear) noexcept {
  if (!IsSupportedYear(lunarYear)) return 0;
  return kNewYearOffsets[lunarYear - kFirstYear + 1] - kNewYearOffsets[lunarYear - kFirstYear];
}

LunarDate LunarDateFromOffset(int offset) noexcept {
  if (offset < 0 || offset > kLastDayOffset) return {};
  if (offset < kLunarNewYear1901Offset) {
    // 1 January 1901 is the 11th of the 29-day eleventh month of 1900; its twelfth month has 30 days.
    if (offset < 19) return {1900, 11, 0, offset + 11};
    return {1900, 12, 0, offset - 18};
  }
  auto const next = std::upper_bound(kNewYearOffsets.begin(), kNewYearOffsets.end(), offset);
  auto const index = static_cast<int>(next - kNewYearOffsets.begin()) - 1;  // [0, 149]
  auto const year = kFirstYear + index;
  auto const leapMonth = LeapMonthOf(year);
  auto r = offset - kNewYearOffsets[index];  // days since the lunar new year
  for (int m = 1; m <= 12; ++m) {
    auto const days = MonthDaysOf(year, m);
    auto const regular = days & 0xffff;
    if (r < regular) return {year, m, 0, r + 1};
    r -= regular;
    if (m == leapMonth) {
      auto const leapDays = days >> 16;
      if (r < leapDays) return {year, m, 1, r + 1};
      r -= leapDays;
    }
  }
  return {};  // unreachable: the year's months add up to its length
}

}  // namespace lunar
