#pragma once
// A CalendarWindow on the headless host with the grid's test skin (data/grid_window.xml): on "windowinit"
// it looks its controls up and builds the day cells, as the main window does. Images come from the skin
// folder the build writes beside the executables.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/calendar_window.h"
#include "fake_almanac.h"
#include "lunar/festival_lookup.h"
#include "platform/local_clock.h"
#include "ui/host/headless_host.h"

namespace gridtest {

using namespace DuiLib;

class GridWindow : public CalendarWindow {
 public:
  explicit GridWindow(grid::AlmanacLookups lookups) : CalendarWindow(std::move(lookups)) {}
  void Notify(TNotifyUI& msg) override;
  CControlUI* Find(std::wstring_view name) { return m_PaintManager.FindControl(name); }
  std::wstring Text(std::wstring_view name) { return Find(name)->GetText(); }
  int CellsBuilt() const { return cellsBuilt; }
  CContainerUI* Grid() const { return calGrid; }
  CLabelUI* FestivalLabel() const { return lblFestival; }
  // Cells 1..42 with `image` as background; the selected cells.
  std::vector<int> CellsWith(std::wstring_view image) const;
  std::vector<int> SelectedCells() const;
  // The refresh chain of a change of the shown date, as the main window runs it.
  void ShowMonth(int year, int month, int day, bool selectToday, bool selectFirstDay);

 protected:
  CDuiString GetSkinFolder() override;
  CDuiString GetSkinFile() override { return L"grid_window.xml"; }
  std::string GetSkinText() override;
};

// A fresh headless host, today fixed, festival names for 春节, 元宵节 and 国庆 (or the real store's).
class GridWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  static void SetToday(int year, int month, int day);
  GridWindow& Open();
  GridWindow& Open(grid::AlmanacLookups lookups);

  HeadlessHost host;
  FakeAlmanac almanac;
  std::unique_ptr<GridWindow> window;
};

inline DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

}  // namespace gridtest
