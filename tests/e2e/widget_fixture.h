#pragma once
// The widget as the program opens it, on the headless host: the real skin and yiji.db beside the test
// executables, today fixed by a test clock, and a recording command runner in place of the real one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/date_time_record.h"
#include "app/calendar_window.h"
#include "platform/local_clock.h"
#include "ui/host/headless_host.h"

namespace e2e {

using namespace DuiLib;

// A clock the test sets and moves on.
struct TestClock {
  platform::LocalDateTime now{2015, 2, 19, 10, 24, 36};
  // Moves the time on by whole seconds, across days, months and years.
  void AddSeconds(int seconds);
};

// What the test reads and does on the main window.
class MainWindow : public CalendarWindow {
 public:
  // The look-ups the program gives its window.
  MainWindow();
  explicit MainWindow(grid::AlmanacLookups lookups) : CalendarWindow(std::move(lookups)) {}
  CControlUI* Find(std::wstring_view name) { return m_PaintManager.FindControl(name); }
  std::wstring Text(std::wstring_view name) { return Find(name)->GetText(); }
  int YearIndex() { return static_cast<CComboUI*>(Find(L"com_year"))->GetCurSel(); }
  int MonthIndex() { return static_cast<CComboUI*>(Find(L"com_month"))->GetCurSel(); }
  int CellsBuilt() const { return monthGrid.CellsBuilt() ? 1 : 0; }
  DayOptionUI* DayCell(int i) const { return monthGrid.DayCell(i); }
  // Nothing in the program opens the city window; tests do, to see the main window close it.
  SelectCityWindow& City() { return cityWindow; }
  // Cells 1..42 that are shown and hold the date; the selected shown cells; shown cells with an image.
  std::vector<int> ShownCellsOf(int year, int month, int day) const;
  std::vector<DateTimeRecord> SelectedDates() const;
  std::vector<DateTimeRecord> DatesWithImage(std::wstring_view image) const;
};

class WidgetTest : public ::testing::Test {
 protected:
  // The widget on a host drawing at `scale` (its frames and input points in device pixels).
  explicit WidgetTest(double scale = 1.0) : host(scale) {}
  void SetUp() override;
  void TearDown() override;

  // Opens the main window as the program does; fails the test on a skin error.
  MainWindow& Open();
  MainWindow& Open(MainWindow* fresh);
  HWND Handle() const { return handle; }
  bool WindowAlive() const;
  void ClickOn(std::wstring_view name);
  void ClickControl(CControlUI* control);
  void ClickCell(int year, int month, int day);  // the shown cell of that date
  POINT Centre(CControlUI* control);
  // Seconds of virtual time, with the test clock moved on alike.
  void Tick(int seconds);
  // Device pixels where the window's frame, as its partial repaints left it, differs from the whole window
  // painted afresh: a stale or torn spot.
  std::vector<POINT> StalePixels();

  HeadlessHost host;
  TestClock clock;
  std::vector<std::string> commandsRun;
  MainWindow* window = nullptr;
  HWND handle = nullptr;
};

inline DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

}  // namespace e2e
