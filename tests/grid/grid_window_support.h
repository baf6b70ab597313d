#pragma once
// A CalendarWindow on the headless host with the grid's test skin (data/grid_window.xml): on "windowinit"
// it looks its controls up and builds the day cells, as the main window does. Images come from the skin
// folder the build writes beside the executables (drawn when they exist, skipped otherwise).
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/calendar_window.h"
#include "fake_almanac.h"
#include "grid/cell_layout.h"
#include "lunar/festival_lookup.h"
#include "platform/local_clock.h"
#include "ui/host/headless_host.h"

namespace gridtest {

using namespace DuiLib;

inline std::string ReadFile(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class GridWindow : public CalendarWindow {
 public:
  explicit GridWindow(grid::AlmanacLookups lookups) : CalendarWindow(std::move(lookups)) {}

  void Notify(TNotifyUI& msg) override {
    if (msg.sType == L"windowinit") {
      FindGridControls();
      BuildDayCells();
    }
  }

  HWND Open() { return Create(nullptr, L"CalendarWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494); }

  CControlUI* Find(std::wstring_view name) { return m_PaintManager.FindControl(name); }
  std::wstring Text(std::wstring_view name) { return Find(name) != nullptr ? Find(name)->GetText() : L"<none>"; }
  int CellsBuilt() const { return cellsBuilt; }
  std::size_t CellMapSize() const { return dayCells.size(); }
  CContainerUI* Grid() const { return calGrid; }
  CComboUI* YearPicker() const { return comYear; }
  CComboUI* MonthPicker() const { return comMonth; }
  CLabelUI* FestivalLabel() const { return lblFestival; }

  // Cells 1..42 holding the image as background.
  std::vector<int> CellsWithBackground(std::wstring_view image) const {
    std::vector<int> cells;
    for (int i = 1; i <= 42; ++i)
      if (DayCell(i)->GetBkImage() == image) cells.push_back(i);
    return cells;
  }
  std::vector<int> SelectedCells() const {
    std::vector<int> cells;
    for (int i = 1; i <= 42; ++i)
      if (DayCell(i)->IsSelected()) cells.push_back(i);
    return cells;
  }

  // The refresh chain of a change of the shown date (the main window runs it so).
  void ShowMonth(int year, int month, int day, bool selectToday, bool selectFirstDay) {
    ShowDayDetails(year, month, day);
    FillMonthGrid(year, month, selectToday ? 1 : 0, selectFirstDay ? 1 : 0);
    RefreshAlmanac({year, month, day, 0, 0, 0});
    RefreshFestivalTips();
    RefreshHolidayMarks();
  }

 protected:
  CDuiString GetSkinFolder() override { return platform::Utf8ToWide(WANNIANLI_OUTPUT_DIR "/skin/"); }
  CDuiString GetSkinFile() override { return L"grid_window.xml"; }
  std::string GetSkinText() override { return ReadFile(WANNIANLI_TEST_DATA_DIR "/grid_window.xml"); }
};

// The engine's festival names for the tests: 春节 on 正月初一, 元宵节 on 正月十五, 国庆 on 1 October.
bool TestGregorianFestival(const char* key, char* out);
bool TestLunarFestival(const char* key, char* out);

// A fresh headless host, today fixed, the test festival names; each test opens its own window.
class GridWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallHost(&host);
    SetToday(2040, 6, 6);
    SetFestivalLookups({TestGregorianFestival, TestLunarFestival});
  }
  void TearDown() override {
    window.reset();
    SetFestivalLookups({});
    platform::SetClockSource({});
    InstallHost(nullptr);
  }

  static void SetToday(int year, int month, int day) {
    platform::SetClockSource([=] { return platform::LocalDateTime{year, month, day, 10, 0, 0}; });
  }

  GridWindow& Open() {
    window = std::make_unique<GridWindow>(almanac.Lookups());
    EXPECT_NE(window->Open(), nullptr) << window->GetSkinError();
    return *window;
  }

  HeadlessHost host;
  FakeAlmanac almanac;
  std::unique_ptr<GridWindow> window;
};

inline DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

}  // namespace gridtest
