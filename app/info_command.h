#pragma once
// `wannianli --info FROM [TO]`: one tab-separated UTF-8 line per date, header first. The engine fills its
// columns here; the almanac columns come from a provider that the almanac store supplies (none: empty).
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace app {

struct InfoDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const InfoDate&, const InfoDate&) = default;
};

// The almanac's columns of a date, UTF-8. `holiday` is "rest", "work" or empty.
struct AlmanacColumns {
  std::string gregorianFestival;
  std::string lunarFestival;
  std::string yi;
  std::string ji;
  std::string holiday;
};
using AlmanacProvider = std::function<AlmanacColumns(const InfoDate&)>;

// "YYYY-MM-DD", digits only, a real Gregorian date; nullopt otherwise (the range is not checked here).
std::optional<InfoDate> ParseInfoDate(std::string_view text);

// "1901-2050": the years the calendar covers, as error messages name them.
std::string SupportedYearsText();

// The column names, tab-separated, without a line end.
std::string InfoHeaderLine();

// The line of a date 1901-01-01..2050-12-31, without a line end; empty for any other date. Tabs and
// line breaks inside a provider's text become spaces so that every line keeps its columns.
std::string InfoLine(const InfoDate& date, const AlmanacProvider& provider = {});

// Runs `--info` with its arguments (FROM [TO]). Writes the lines to `out` and returns 0 (1 when `out` failed:
// it stops at the first line that did not arrive, and the owner of the stream reports why), or writes a
// one-line error naming the bad argument to `err` and returns 2. What the provider throws leaves; when it
// throws for FROM, nothing has been written.
int RunInfoCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider = {});

}  // namespace app
