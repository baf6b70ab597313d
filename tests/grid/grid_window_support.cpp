#include "grid_window_support.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/code_page.h"

namespace gridtest {
namespace {

bool TestGregorianFestival(const char* key, char* out) {
  if (std::strcmp(key, "101") == 0) std::strcpy(out, "国庆");
  return true;
}

bool TestLunarFestival(const char* key, char* out) {
  auto const lunar = platform::GbkToUtf8(key);
  if (lunar == "正月初一") std::strcpy(out, "春节");
  if (lunar == "正月十五") std::strcpy(out, "元宵节");
  return true;
}

}  // namespace

void GridWindow::Notify(TNotifyUI& msg) {
  if (msg.sType != L"windowinit") return;
  view.FindControls(m_PaintManager);
  view.BuildDayCells();
}

std::vector<int> GridWindow::CellsWith(std::wstring_view image) const {
  std::vector<int> cells;
  for (int i = 1; i <= 42; ++i)
    if (DayCell(i)->GetBkImage() == image) cells.push_back(i);
  return cells;
}

std::vector<int> GridWindow::SelectedCells() const {
  std::vector<int> cells;
  for (int i = 1; i <= 42; ++i)
    if (DayCell(i)->IsSelected()) cells.push_back(i);
  return cells;
}

void GridWindow::ShowMonth(int year, int month, int day, grid::SelectOnFill select) {
  view.ShowDayDetails(year, month, day);
  view.FillMonthGrid(year, month, select);
  view.RefreshAlmanac(Date(year, month, day));
  view.RefreshFestivalTips();
  view.RefreshHolidayMarks();
}

CDuiString GridWindow::GetSkinFolder() { return platform::Utf8ToWide(WANNIANLI_OUTPUT_DIR "/skin/"); }

std::string GridWindow::GetSkinText() {
  std::ifstream in(WANNIANLI_TEST_DATA_DIR "/grid_window.xml", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void GridWindowTest::SetUp() {
  InstallHost(&host);
  SetToday(2040, 6, 6);
  SetFestivalLookups({TestGregorianFestival, TestLunarFestival});
}

void GridWindowTest::TearDown() {
  window.reset();
  SetFestivalLookups({});
  platform::SetClockSource({});
  InstallHost(nullptr);
}

void GridWindowTest::SetToday(int year, int month, int day) {
  platform::SetClockSource([=] { return platform::LocalDateTime{year, month, day, 9, 41, 0}; });
}

GridWindow& GridWindowTest::Open() { return Open(almanac.Lookups()); }

GridWindow& GridWindowTest::Open(grid::AlmanacLookups lookups) {
  window = std::make_unique<GridWindow>(std::move(lookups));
  EXPECT_NE(window->Create(nullptr, L"GridWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494), nullptr)
      << window->GetSkinError();
  return *window;
}

}  // namespace gridtest
