// Every almanac look-up that one month refresh of the widget makes, on the yiji.db the build generates:
// 42 cells × (festival tooltip, holiday row, worked day, Gregorian and lunar festival name) and the selected
// day's 宜 and 忌. The program runs beside the generated yiji.db, as the widget does.
//   MonthRefresh                 as the widget makes them: one batch (one look at the file, one read)
//   MonthRefreshLookUpsAlone     each look-up a batch of its own (a look at the file and a read apiece)
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_store.h"
#include "platform/code_page.h"
#include "platform/executable_path.h"

namespace {

struct Cell {
  DateTimeRecord date;
  std::string gregorianKey;
  std::string lunarKey;  // GBK, as the engine builds it
};

// October 2015 as the grid shows it: 27 September .. 7 November. The lunar keys run through 八月十五 ..
// 九月廿六, which is what those days are.
std::vector<Cell> OctoberCells() {
  static const char* const kDays[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                      "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                                      "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  std::vector<Cell> cells;
  int month = 9, day = 27, lunarMonth = 8, lunarDay = 15;
  for (int i = 0; i < 42; ++i) {
    Cell cell;
    cell.date = {2015, month, day, 0, 0, 0};
    cell.gregorianKey = std::to_string(month) + std::to_string(day);
    cell.lunarKey = platform::Utf8ToGbk(std::string(lunarMonth == 8 ? "八月" : "九月") + kDays[lunarDay - 1]);
    cells.push_back(cell);
    const int length = month == 9 ? 30 : 31;
    if (++day > length) day = 1, ++month;
    if (++lunarDay > (lunarMonth == 8 ? 30 : 29)) lunarDay = 1, ++lunarMonth;
  }
  return cells;
}

void AskAll(const std::vector<Cell>& cells) {
  for (const Cell& cell : cells) {
    std::string tooltip, festival, picpath, holidays;
    QueryFestival(cell.date, tooltip);
    QueryFestivalDay(cell.date, festival, picpath, holidays);
    benchmark::DoNotOptimize(QueryWorkedDay(cell.date));
    char gregorian[18] = {}, lunar[18] = {};
    QueryGregorianFestival(cell.gregorianKey.c_str(), gregorian);
    QueryLunarFestival(cell.lunarKey.c_str(), lunar);
    benchmark::DoNotOptimize(gregorian);
    benchmark::DoNotOptimize(lunar);
  }
  std::string yi, ji;
  QueryYiJi(yi, true, cells[4].date);
  QueryYiJi(ji, false, cells[4].date);
  benchmark::DoNotOptimize(yi);
}

void MonthRefresh(benchmark::State& state) {
  const std::vector<Cell> cells = OctoberCells();
  for (auto _ : state) {
    AlmanacBatch batch;
    AskAll(cells);
  }
}
BENCHMARK(MonthRefresh)->Unit(benchmark::kMillisecond);

void MonthRefreshLookUpsAlone(benchmark::State& state) {
  const std::vector<Cell> cells = OctoberCells();
  for (auto _ : state) AskAll(cells);
}
BENCHMARK(MonthRefreshLookUpsAlone)->Unit(benchmark::kMillisecond);

}  // namespace
