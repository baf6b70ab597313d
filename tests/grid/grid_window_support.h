#pragma once
// A window on the headless host with the grid's test skin (data/grid_window.xml) and a month grid view: on
// "windowinit" the view looks its controls up and builds the day cells, as in the main window. Images come
// from the skin folder the build writes beside the executables.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_almanac.h"
#include "grid/month_grid_view.h"
#include "lunar/festival_lookup.h"
#include "platform/local_clock.h"
#include "ui/host/headless_host.h"

namespace gridtest {

using namespace DuiLib;

class GridWindow : public WindowImplBase {
 public:
  explicit GridWindow(grid::AlmanacLookups lookups) : view(std::move(lookups)) {}
  LPCTSTR GetWindowClassName() const override { return L"GridWindow"; }
  void Notify(TNotifyUI& msg) override;
  CControlUI* Find(std::wstring_view name) { return m_PaintManager.FindControl(name); }
  std::wstring Text(std::wstring_view name) { return Find(name)->GetText(); }
  CLabelUI* FestivalLabel() { return static_cast<CLabelUI*>(Find(L"lbl_festival")); }
  DayOptionUI* DayCell(int i) const { return view.DayCell(i); }
  // Cells 1..42 with `image` as background; the selected cells.
  std::vector<int> CellsWith(std::wstring_view image) const;
  std::vector<int> SelectedCells() const;
  // The refresh chain of a change of the shown date, as the main window runs it.
  void ShowMonth(int year, int month, int day, grid::SelectOnFill select);

  grid::MonthGridView view;

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
