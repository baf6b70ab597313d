#include "app/info_command.h"

#include <algorithm>
#include <ostream>

#include "lunar/calendar_day.h"
#include "lunar/gregorian.h"
#include "lunar/supported_years.h"
#include "platform/code_page.h"
#include "platform/message_text.h"

namespace app {
namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ToNumber(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// Keeps a provider's text on its own column.
std::string OneField(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string DateText(const InfoDate& date) {
  return std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
}

InfoDate NextDay(InfoDate date) {
  if (date.day < lunar::DaysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

// The date of argument `name` ("FROM" or "TO"), or an error message naming it.
std::optional<InfoDate> ReadDateArgument(std::string_view name, std::string_view text, std::ostream& err) {
  auto const date = ParseInfoDate(text);
  if (!date) {
    err << "wannianli: " << name << ": '" << platform::QuoteForMessage(text, platform::kQuotedArgumentBytes)
        << "' is not a valid date (YYYY-MM-DD)\n";
    return std::nullopt;
  }
  if (!lunar::IsSupportedYear(date->year)) {
    err << "wannianli: " << name << ": " << text << " lies outside " << SupportedYearsText() << "\n";
    return std::nullopt;
  }
  return date;
}

}  // namespace

std::optional<InfoDate> ParseInfoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto const y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) return std::nullopt;
  InfoDate const date{ToNumber(y), ToNumber(m), ToNumber(d)};
  if (!lunar::IsValidGregorianDate(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

std::string SupportedYearsText() {
  return std::to_string(lunar::kFirstYear) + "-" + std::to_string(lunar::kLastYear);
}

std::string InfoHeaderLine() {
  return "date\tweekday\tlunar_year_text\tlunar_month_text\tlunar_day_text\tlunar_year\tlunar_month\tleap\t"
         "lunar_day\tsolar_term\tconstellation\tganzhi\tgregorian_festival\tlunar_festival\tyi\tji\tholiday";
}

std::string InfoLine(const InfoDate& date, const AlmanacProvider& provider) {
  if (!lunar::IsSupportedYear(date.year) || !lunar::IsValidGregorianDate(date.year, date.month, date.day))
    return {};
  // The provider first: it may find that yiji.db has gone, and the engine's festival names then go too.
  auto almanac = provider ? provider(date) : AlmanacColumns{};
  lunar::CalendarDay day;
  if (day.SetDate(date.year, date.month, date.day) != 1) return {};
  // MakeGanzhiText's 0 means "nothing to show": the column stays empty.
  auto const ganzhi = day.MakeGanzhiText() == 1 ? platform::GbkToUtf8(day.ganzhiText.view()) : std::string();
  // The festival names are the engine's own (filled once the almanac's look-ups are connected), unless the
  // provider names one itself.
  if (almanac.gregorianFestival.empty()) almanac.gregorianFestival = day.gregorianFestivalText.view();
  if (almanac.lunarFestival.empty()) almanac.lunarFestival = day.lunarFestivalText.view();

  std::string line;
  auto const add = [&line](const std::string& field) {
    if (!line.empty()) line += '\t';
    line += field;
  };
  add(DateText(date));
  add(platform::GbkToUtf8(day.weekdayText.view()));
  add(platform::GbkToUtf8(day.lunarYearText.view()));
  add(platform::GbkToUtf8(day.lunarMonthText.view()));
  add(platform::GbkToUtf8(day.lunarDayText.view()));
  add(std::to_string(day.lunarYear));
  add(std::to_string(day.lunarMonth));
  add(std::to_string(day.lunarLeapMonth));
  add(std::to_string(day.lunarDay));
  add(platform::GbkToUtf8(day.solarTermText.view()));
  add(platform::GbkToUtf8(day.constellationText.view()));
  add(ganzhi);
  for (auto const* field : {&almanac.gregorianFestival, &almanac.lunarFestival, &almanac.yi, &almanac.ji,
                            &almanac.holiday}) {
    line += '\t';  // empty fields still take their column
    line += OneField(*field);
  }
  return line;
}

int RunInfoCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider) {
  if (arguments.empty() || arguments.size() > 2) {
    err << "wannianli: --info takes FROM [TO] (dates YYYY-MM-DD), got " << arguments.size() << " arguments\n";
    return 2;
  }
  auto const from = ReadDateArgument("FROM", arguments[0], err);
  if (!from) return 2;
  auto to = from;
  if (arguments.size() == 2) {
    to = ReadDateArgument("TO", arguments[1], err);
    if (!to) return 2;
  }
  auto const key = [](const InfoDate& d) { return lunar::DayNumber(d.year, d.month, d.day); };
  if (key(*from) > key(*to)) {
    err << "wannianli: FROM " << arguments[0] << " lies after TO " << arguments[1] << "\n";
    return 2;
  }
  for (auto date = *from;; date = NextDay(date)) {
    auto const line = InfoLine(date, provider);
    // After the first line is made: an almanac that fails at once (a busy yiji.db) leaves no output.
    if (date == *from) out << InfoHeaderLine() << '\n';
    out << line << '\n';
    // Nothing more arrives once a write has failed (a full disk, a reader that has gone).
    if (!out || date == *to) break;
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace app
