// Converts every date 1901-01-01..2050-12-31 with SetDate (no festival look-ups connected) and reports the
// time per date ("per_date"). tools/lunar-reference/time_conversion.js times the same range with
// lunar-javascript for comparison.
#include <benchmark/benchmark.h>

#include <vector>

#include "lunar/calendar_day.h"
#include "lunar/gregorian.h"

namespace {

struct Date {
  int year, month, day;
};

const std::vector<Date>& AllDates() {
  static const std::vector<Date> dates = [] {
    std::vector<Date> all;
    for (int y = lunar::kFirstYear; y <= lunar::kLastYear; ++y)
      for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= lunar::DaysInMonth(y, m); ++d) all.push_back({y, m, d});
    return all;
  }();
  return dates;
}

void ReportPerDate(benchmark::State& state, std::size_t dates) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * dates));
  state.counters["per_date"] = benchmark::Counter(static_cast<double>(state.iterations() * dates),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One object reused for every date: the cost of SetDate alone.
void BM_SetDateWholeRange(benchmark::State& state) {
  auto const& dates = AllDates();
  lunar::CalendarDay day;
  for (auto _ : state) {
    for (auto const& d : dates) benchmark::DoNotOptimize(day.SetDate(d.year, d.month, d.day));
    benchmark::DoNotOptimize(day.lunarDay);
  }
  ReportPerDate(state, dates.size());
}
BENCHMARK(BM_SetDateWholeRange)->Unit(benchmark::kMillisecond);

// A fresh object per date, as the month grid uses them (construction reads the clock).
void BM_FreshObjectPerDate(benchmark::State& state) {
  auto const& dates = AllDates();
  for (auto _ : state) {
    for (auto const& d : dates) {
      lunar::CalendarDay day;
      benchmark::DoNotOptimize(day.SetDate(d.year, d.month, d.day));
    }
  }
  ReportPerDate(state, dates.size());
}
BENCHMARK(BM_FreshObjectPerDate)->Unit(benchmark::kMillisecond);

// SetDate followed by the month and day stem-branch text, as the details panel asks for it.
void BM_SetDateAndGanzhiWholeRange(benchmark::State& state) {
  auto const& dates = AllDates();
  lunar::CalendarDay day;
  for (auto _ : state) {
    for (auto const& d : dates) {
      day.SetDate(d.year, d.month, d.day);
      benchmark::DoNotOptimize(day.MakeGanzhiText());
    }
  }
  ReportPerDate(state, dates.size());
}
BENCHMARK(BM_SetDateAndGanzhiWholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
