#include "lunar/calendar_day.h"

#include <cstdio>
#include <cstring>

#include "lunar/festival_lookup.h"
#include "lunar/names.h"
#include "lunar/solar_terms.h"
#include "lunar/stem_branch.h"
#include "lunar/supported_years.h"

namespace lunar {
namespace {

// Collects a short text on the stack before it is copied into its buffer once.
class TextBuilder {
 public:
  TextBuilder& operator<<(std::string_view part) noexcept {
    auto const n = part.size() < kCapacity - size_ ? part.size() : kCapacity - size_;
    std::memcpy(bytes_ + size_, part.data(), n);
    size_ += n;
    return *this;
  }
  std::string_view view() const noexcept { return {bytes_, size_}; }

 private:
  static constexpr std::size_t kCapacity = 32;
  char bytes_[kCapacity];
  std::size_t size_ = 0;
};

// The constellation changes on this day of each month (the sign of the month's end from here on).
constexpr std::array<int, 12> kConstellationStartDays = {21, 20, 21, 21, 22, 22, 23, 24, 24, 24, 23, 22};

}  // namespace

CalendarDay::CalendarDay(YearMonthDay today) noexcept {
  if (IsValidGregorianDate(today.year, today.month, today.day)) {
    year = today.year;
    month = today.month;
    day = today.day;
  }
}

int CalendarDay::SetDate(int y, int m, int d) {
  if (!IsValidGregorianDate(y, m, d)) return 0;
  year = y;
  month = m;
  day = d;
  if (!IsSupportedYear(y)) {
    valid = 0;
    return 0;
  }
  valid = 1;
  ComputeLunarInfo(y, m, d);
  ComputeConstellation(m, d);
  return valid;
}

int CalendarDay::ComputeLunarInfo(int y, int m, int d) {
  if (valid == 0) return 0;
  MakeWeekdayText(WeekdayOf(y, m, d));
  auto const term = SolarTermIndex(y, m, d);
  OffsetToLunarDate(DayOffset(y, m, d));
  MakeLunarYearText(lunarYear);
  MakeLunarMonthText(lunarMonth, lunarLeapMonth);
  // A reused object must not keep the term of an earlier date.
  if (term != 0)
    solarTermText.Assign(SolarTermNames[term - 1]);
  else
    solarTermText.Clear();
  MakeLunarDayText(lunarDay);
  LookupFestivals();
  return 1;
}

void CalendarDay::ComputeConstellation(int m, int d) {
  if (m < 1 || m > 12) return;
  auto const index = d < kConstellationStartDays[m - 1] ? m - 1 : m;  // [0, 12]
  constellationText.Assign(ConstellationNames[index]);
}

void CalendarDay::OffsetToLunarDate(int offset) {
  auto const date = LunarDateFromOffset(offset);
  lunarYear = date.year;
  lunarMonth = date.month;
  lunarLeapMonth = date.leap;
  lunarDay = date.day;
}

const char* CalendarDay::MakeWeekdayText(int weekday) {
  if (weekday >= 1 && weekday <= 7) weekdayText.Assign(WeekdayNames[weekday - 1]);
  return weekdayText.c_str();
}

const char* CalendarDay::MakeLunarYearText(int lunarYearNumber) {
  auto const [stem, branch] = YearStemBranch(lunarYearNumber);
  TextBuilder text;
  text << StemNames[stem - 1] << BranchNames[branch - 1] << "(" << ZodiacNames[branch - 1] << ")" << kYearSuffix;
  lunarYearText.Assign(text.view());
  return lunarYearText.c_str();
}

const char* CalendarDay::MakeLunarMonthText(int lunarMonthNumber, int leapMonth) {
  if (lunarMonthNumber < 1 || lunarMonthNumber > 12) return lunarMonthText.c_str();
  TextBuilder text;
  if (leapMonth != 0) text << kLeapPrefix;
  if (lunarMonthNumber == 11)
    text << kElevenMonth;
  else if (lunarMonthNumber == 12)
    text << kTwelveMonth;
  else
    text << MonthNumberNames[lunarMonthNumber - 1] << kMonthSuffix;
  lunarMonthText.Assign(text.view());
  return lunarMonthText.c_str();
}

const char* CalendarDay::MakeLunarDayText(int lunarDayNumber) {
  if (lunarDayNumber < 1 || lunarDayNumber > 30) return lunarDayText.c_str();
  if (lunarDayNumber == 20) {
    lunarDayText.Assign(kDayTwenty);
  } else if (lunarDayNumber == 30) {
    lunarDayText.Assign(kDayThirty);
  } else {
    TextBuilder text;
    text << DayPrefixNames[(lunarDayNumber - 1) / 10] << DayDigitNames[(lunarDayNumber - 1) % 10];
    lunarDayText.Assign(text.view());
  }
  return lunarDayText.c_str();
}

void CalendarDay::LookupFestivals() {
  auto const& lookups = GetFestivalLookups();
  // Look-ups write at most 17 bytes and a NUL; the last byte is forced to NUL all the same.
  auto const ask = [](FestivalLookupFn lookup, const char* key, OwnedText& text) {
    char out[18] = {};
    if (lookup != nullptr) {
      lookup(key, out);
      out[sizeof out - 1] = '\0';
    }
    text.Assign(out);
  };

  char gregorianKey[16] = {};
  if (lookups.gregorian != nullptr) std::snprintf(gregorianKey, sizeof gregorianKey, "%d%d", month, day);
  ask(lookups.gregorian, gregorianKey, gregorianFestivalText);

  char lunarKey[16] = {};
  if (lookups.lunar != nullptr) {
    // 除夕 is the last day of the twelfth month, listed under day 30 even when the month has 29 days.
    auto const lastOfShortTwelfth = lunarMonth == 12 && lunarLeapMonth == 0 && lunarDay == 29 &&
                                    (LunarMonthDays(lunarYear, 12) & 0xffff) == 29;
    TextBuilder key;
    key << lunarMonthText.view() << (lastOfShortTwelfth ? kDayThirty : lunarDayText.view());
    auto const bytes = key.view();
    std::memcpy(lunarKey, bytes.data(), bytes.size() < sizeof lunarKey ? bytes.size() : sizeof lunarKey - 1);
  }
  ask(lookups.lunar, lunarKey, lunarFestivalText);
}

int CalendarDay::MakeGanzhiText() {
  if (!IsValidGregorianDate(year, month, day)) return 0;
  if (lunarYearText.IsNull() || valid == 0) return 0;
  auto const monthPillar = MonthStemBranch(year, month, day);
  auto const dayPillar = DayStemBranch(year, month, day);
  TextBuilder text;
  text << StemNames[monthPillar.stem - 1] << BranchNames[monthPillar.branch - 1] << kMonthSuffix
       << StemNames[dayPillar.stem - 1] << BranchNames[dayPillar.branch - 1] << kDaySuffix;
  ganzhiText.Assign(text.view());
  return 1;
}

}  // namespace lunar
