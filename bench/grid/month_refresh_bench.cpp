// One month change of the widget on the headless host with the real yiji.db: FillMonthGrid,
// RefreshAlmanac, RefreshFestivalTips, RefreshHolidayMarks and a full repaint on the cairo frame (every
// shown cell converts its date and asks for its festival names again). Each repetition is one month
// change; the aggregates give its median and worst time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "almanac/almanac_store.h"
#include "grid/month_grid_view.h"
#include "grid/store_lookups.h"
#include "lunar/festival_lookup.h"
#include "platform/code_page.h"
#include "platform/local_clock.h"
#include "ui/host/headless_host.h"

namespace {

using namespace DuiLib;

class BenchWindow : public WindowImplBase {
 public:
  BenchWindow() : view(grid::StoreLookups()) {}
  LPCTSTR GetWindowClassName() const override { return L"BenchWindow"; }
  void Notify(TNotifyUI& msg) override {
    if (msg.sType == L"windowinit") {
      view.FindControls(m_PaintManager);
      view.BuildDayCells();
    }
  }

  grid::MonthGridView view;

 protected:
  CDuiString GetSkinFolder() override { return platform::Utf8ToWide(WANNIANLI_OUTPUT_DIR "/skin/"); }
  CDuiString GetSkinFile() override { return L"grid_window.xml"; }
  std::string GetSkinText() override {
    std::ifstream in(WANNIANLI_SOURCE_DIR "/tests/grid/data/grid_window.xml", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

void ShowMonth(BenchWindow& window, HeadlessHost& host, int year, int month) {
  window.view.FillMonthGrid(year, month, grid::kSelectFirstDay);
  window.view.RefreshAlmanac({year, month, 1, 0, 0, 0});
  window.view.RefreshFestivalTips();
  window.view.RefreshHolidayMarks();
  host.RunUntilIdle();  // the repaint
}

// Each repetition opens a window showing the month after (year, month), then times the change to it.
void MonthChange(benchmark::State& state, int year, int month) {
  HeadlessHost host;
  InstallHost(&host);
  ConnectFestivalLookups();
  platform::SetClockSource([] { return platform::LocalDateTime{2015, 2, 19, 9, 41, 0}; });
  auto window = std::make_unique<BenchWindow>();
  if (window->Create(nullptr, L"CalendarWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494) == nullptr) {
    state.SkipWithError("the window did not open");
    return;
  }
  ShowMonth(*window, host, year, month == 12 ? 11 : month + 1);
  for (auto _ : state) {
    ShowMonth(*window, host, year, month);
    benchmark::DoNotOptimize(host.PaintCount(window->GetHWND()));
  }
  window.reset();
  SetFestivalLookups({});
  platform::SetClockSource({});
  InstallHost(nullptr);
}

double Max(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

}  // namespace

BENCHMARK_CAPTURE(MonthChange, February2015, 2015, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(60)
    ->ComputeStatistics("max", Max)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(MonthChange, February2026, 2026, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(60)
    ->ComputeStatistics("max", Max)
    ->ReportAggregatesOnly(true);

namespace {

// The steps apart, on one window, many times each: what a month change spends its time on. A fill
// invalidates the cells, so Fill includes a repaint; the refreshes of an unchanged month do not.
// RepaintWithoutFestivalNames disconnects the engine's festival look-ups: the drawing alone.
enum class Step { Fill, Almanac, FestivalTips, HolidayMarks, Repaint, RepaintWithoutFestivalNames };

void OneStep(benchmark::State& state, Step step) {
  HeadlessHost host;
  InstallHost(&host);
  ConnectFestivalLookups();
  platform::SetClockSource([] { return platform::LocalDateTime{2015, 2, 19, 9, 41, 0}; });
  auto window = std::make_unique<BenchWindow>();
  window->Create(nullptr, L"CalendarWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494);
  ShowMonth(*window, host, 2015, 2);
  for (auto _ : state) {
    switch (step) {
      case Step::Fill: window->view.FillMonthGrid(2015, 2, grid::kSelectFirstDay); break;
      case Step::Almanac: window->view.RefreshAlmanac({2015, 2, 1, 0, 0, 0}); break;
      case Step::FestivalTips: window->view.RefreshFestivalTips(); break;
      case Step::HolidayMarks: window->view.RefreshHolidayMarks(); break;
      case Step::Repaint: window->GetPaintManager().Invalidate(); break;
      case Step::RepaintWithoutFestivalNames:
        SetFestivalLookups({});
        window->GetPaintManager().Invalidate();
        break;
    }
    host.RunUntilIdle();
  }
  window.reset();
  SetFestivalLookups({});
  platform::SetClockSource({});
  InstallHost(nullptr);
}

}  // namespace

BENCHMARK_CAPTURE(OneStep, Fill, Step::Fill)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneStep, RefreshAlmanac, Step::Almanac)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneStep, RefreshFestivalTips, Step::FestivalTips)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneStep, RefreshHolidayMarks, Step::HolidayMarks)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneStep, Repaint, Step::Repaint)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OneStep, RepaintWithoutFestivalNames, Step::RepaintWithoutFestivalNames)->Unit(benchmark::kMillisecond);
