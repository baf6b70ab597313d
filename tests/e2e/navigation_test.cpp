// Start-up, month steps, "today", the pickers and day-cell clicks, on the real almanac with today fixed at
// 2015-02-19 (春节) 10:24:36.
#include "almanac/almanac_store.h"
#include "grid/grid_constants.h"
#include "platform/code_page.h"
#include "ui/combo_drop_ui.h"
#include "widget_fixture.h"

namespace {

using namespace e2e;

using NavigationTest = WidgetTest;

TEST_F(NavigationTest, StartUpShowsTodayInTheHeaderAndTheGrid) {
  auto& w = Open();
  EXPECT_EQ(w.CellsBuilt(), 1);
  EXPECT_EQ(w.Text(L"now_time"), L"10:24:36");
  EXPECT_EQ(w.Text(L"now_day"), L"19");
  EXPECT_EQ(w.Text(L"now_week"), L"星期四");
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/2");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月初一");
  EXPECT_EQ(w.Text(L"now_lunarYear"), L"乙未(羊)年");
  EXPECT_FALSE(w.Text(L"lbl_yi").empty());
  EXPECT_FALSE(w.Text(L"lbl_ji").empty());
  EXPECT_EQ(w.Text(L"now_temp"), L"");  // never written: the skin's own text
  EXPECT_EQ(w.YearIndex(), 115);
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  // Today is a rest day and keeps its 休 badge; the cell paints today's own mark over it.
  EXPECT_EQ(w.DatesWithImage(grid::kRestDayImage).front(), Date(2015, 2, 18));
  EXPECT_EQ(w.DatesWithImage(grid::kRestDayImage).at(1), Date(2015, 2, 19));
  EXPECT_EQ(w.ShownCellsOf(2015, 2, 1).size(), 1u);
  EXPECT_EQ(w.ShownCellsOf(2015, 2, 28).size(), 1u);
  EXPECT_FALSE(w.Find(L"lbl_festival")->GetBkImage().empty());  // 春节's picture
}

TEST_F(NavigationTest, NextMonthShowsDayOneSelectedAndKeepsTheClock) {
  auto& w = Open();
  ClickOn(L"btn_next_month");
  EXPECT_EQ(w.MonthIndex(), 3);
  EXPECT_EQ(w.YearIndex(), 115);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 3, 1)});
  EXPECT_EQ(w.Text(L"now_day"), L"01");
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/3");
  EXPECT_EQ(w.Text(L"now_time"), L"10:24:36");
  // Today's marker stays on today, now a leading day of the grid.
  EXPECT_EQ(w.DatesWithImage(grid::kTodayImage), std::vector<DateTimeRecord>{});
  ClickOn(L"btn_up_month");
  ClickOn(L"btn_up_month");
  EXPECT_EQ(w.MonthIndex(), 1);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 1, 1)});
}

TEST_F(NavigationTest, MonthStepsStopAtJanuaryAndDecemberOfTheShownYear) {
  clock.now = {2015, 1, 10, 8, 0, 0};
  auto& w = Open();
  auto const before = w.SelectedDates();
  EXPECT_FALSE(w.Find(L"btn_up_month")->IsEnabled());  // looks disabled where it does nothing
  ClickOn(L"btn_up_month");
  EXPECT_EQ(w.MonthIndex(), 1);
  EXPECT_EQ(w.YearIndex(), 115);
  EXPECT_EQ(w.SelectedDates(), before);
  for (int i = 0; i < 11; ++i) ClickOn(L"btn_next_month");
  EXPECT_EQ(w.MonthIndex(), 12);
  EXPECT_TRUE(w.Find(L"btn_up_month")->IsEnabled());
  EXPECT_FALSE(w.Find(L"btn_next_month")->IsEnabled());
  ClickOn(L"btn_next_month");
  EXPECT_EQ(w.MonthIndex(), 12);
  EXPECT_EQ(w.YearIndex(), 115);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 12, 1)});
}

TEST_F(NavigationTest, TodayBringsBackTodaysMonthSelectionAndAlmanac) {
  auto& w = Open();
  auto const yi = w.Text(L"lbl_yi");
  for (int i = 0; i < 4; ++i) ClickOn(L"btn_next_month");
  ASSERT_EQ(w.MonthIndex(), 6);
  ClickOn(L"btn_today");
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  EXPECT_EQ(w.Text(L"now_day"), L"19");
  EXPECT_EQ(w.Text(L"lbl_yi"), yi);
}

// Opens a picker by clicking it and clicks the row of `item` in its drop-down list, scrolling the list
// with the wheel until the row shows.
bool PickItem(HeadlessHost& host, HWND handle, CComboUI* combo, int item) {
  const RECT& box = combo->GetPos();
  host.Click(handle, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
  auto* list = dynamic_cast<CComboDropUI*>(combo->GetManager()->GetPopup());
  if (list == nullptr) return false;
  const RECT& rc = list->GetPos();
  int const x = (rc.left + rc.right) / 2;
  for (int notch = 0; notch < 60; ++notch, host.Wheel(handle, x, (rc.top + rc.bottom) / 2, -1))
    for (int y = rc.top + 2; y < rc.bottom - 2; ++y)
      if (list->ItemAt(POINT{x, y}) == item) {
        host.Click(handle, x, y);
        return true;
      }
  return false;
}

TEST_F(NavigationTest, ChoosingInTheDropDownsShowsDayOneOfThatMonth) {
  auto& w = Open();
  ASSERT_TRUE(PickItem(host, Handle(), static_cast<CComboUI*>(w.Find(L"com_month")), 9));
  EXPECT_EQ(w.MonthIndex(), 9);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 9, 1)});
  EXPECT_EQ(w.Text(L"now_datetime"), L"2015/9");
  ASSERT_TRUE(PickItem(host, Handle(), static_cast<CComboUI*>(w.Find(L"com_year")), 120));
  EXPECT_EQ(w.YearIndex(), 120);
  EXPECT_EQ(w.MonthIndex(), 9);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2020, 9, 1)});
  EXPECT_EQ(w.Text(L"now_week"), L"星期二");
}

TEST_F(NavigationTest, TheHiddenItemZeroIsNeverOffered) {
  auto& w = Open();
  for (auto const* name : {L"com_year", L"com_month"}) {
    auto* combo = static_cast<CComboUI*>(w.Find(name));
    host.Click(Handle(), Centre(combo).x, Centre(combo).y);
    auto* list = dynamic_cast<CComboDropUI*>(combo->GetManager()->GetPopup());
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(list->OfferedItems().empty());
    EXPECT_EQ(list->OfferedItems().front(), 1);
    EXPECT_EQ(static_cast<int>(list->OfferedItems().size()), std::wstring_view(name) == L"com_year" ? 150 : 12);
    host.Key(Handle(), VK_ESCAPE);
    combo->CloseDropDown();
  }
}

TEST_F(NavigationTest, ATrailingCellShowsTheNextMonthAndIsSelectedAfterTheClick) {
  clock.now = {2015, 4, 15, 9, 0, 0};
  auto& w = Open();
  auto const cells = w.ShownCellsOf(2015, 5, 1);
  ASSERT_EQ(cells.size(), 1u);
  POINT const pt = Centre(w.DayCell(cells[0]));
  // Delivered without running the queue: the grid already shows May, the selection waits for the post.
  host.Deliver(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  host.Deliver(Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
  host.Deliver(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  EXPECT_EQ(w.MonthIndex(), 5);
  EXPECT_EQ(w.Text(L"now_day"), L"01");
  auto const waiting = w.SelectedDates();
  EXPECT_TRUE(waiting.empty() || waiting.front() != Date(2015, 5, 1));
  host.RunUntilIdle();
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 5, 1)});
}

TEST_F(NavigationTest, ALeadingCellShowsThePreviousMonth) {
  clock.now = {2015, 4, 15, 9, 0, 0};
  auto& w = Open();
  ClickCell(2015, 3, 30);
  EXPECT_EQ(w.MonthIndex(), 3);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 3, 30)});
  EXPECT_EQ(w.Text(L"now_day"), L"30");
  EXPECT_EQ(w.Text(L"now_week"), L"星期一");
}

TEST_F(NavigationTest, ReclickingTheSelectedCellSelectsItAgain) {
  auto& w = Open();
  ClickCell(2015, 2, 10);
  ASSERT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 10)});
  ClickCell(2015, 2, 10);
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 10)});
  EXPECT_EQ(w.Text(L"now_day"), L"10");
}

TEST_F(NavigationTest, ClickingADayOfJanuarySelectsItAndNotAHiddenCellOfAnotherYear) {
  clock.now = {2015, 1, 10, 8, 0, 0};
  auto& w = Open();  // January 2015: cell 5 holds 1 January 2015
  ASSERT_TRUE(PickItem(host, Handle(), static_cast<CComboUI*>(w.Find(L"com_year")), 116));
  // January 2016 starts in column 6: hidden cells 1..5 still hold late December 2014 .. 1 January 2015.
  std::string yi2016;
  QueryYiJi(yi2016, true, Date(2016, 1, 1));
  ClickCell(2016, 1, 1);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2016, 1, 1)});
  EXPECT_EQ(w.Text(L"lbl_yi"), platform::GbkToWide(yi2016));
}

TEST_F(NavigationTest, SelectDayForADateNoCellHoldsSelectsNothingNew) {
  auto& w = Open();
  window->PostMessageW(WM_SELECT_DAY, 2, 30);
  host.RunUntilIdle();
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
}

TEST_F(NavigationTest, KeysAndTheWheelOverTheGridNavigateWhileAnOpenDropDownKeepsItsKeys) {
  auto& w = Open();  // 19 February 2015 selected, a Thursday
  auto selected = [&] { return w.SelectedDates(); };
  host.Key(Handle(), VK_RIGHT);
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 2, 20)});
  host.Key(Handle(), VK_DOWN);
  host.Key(Handle(), VK_DOWN);  // onto the grey 6 March: March shows, as a click on it does
  EXPECT_EQ(w.MonthIndex(), 3);
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 3, 6)});
  host.Key(Handle(), VK_LEFT);
  host.Key(Handle(), VK_UP);  // 1 March is a Sunday: nothing above the first row
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 3, 5)});
  host.Key(Handle(), VK_PRIOR);
  host.Key(Handle(), VK_PRIOR);
  host.Key(Handle(), VK_PRIOR);  // no step before January
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 1, 1)});
  host.Key(Handle(), VK_LEFT);  // the cells before 1 January are hidden
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 1, 1)});
  host.Key(Handle(), VK_NEXT);
  EXPECT_EQ(w.MonthIndex(), 2);
  host.Key(Handle(), VK_HOME);
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});

  auto const grid = Centre(w.Find(L"cal"));
  host.Wheel(Handle(), grid.x, grid.y, -1);  // down: the next month
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 3, 1)});
  host.Wheel(Handle(), grid.x, grid.y, 1);
  host.Wheel(Handle(), grid.x, grid.y, 1);
  host.Wheel(Handle(), grid.x, grid.y, 1);  // January's rule: nothing before it
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 1, 1)});
  host.Wheel(Handle(), 150, 60, -1);  // over the header: nothing
  EXPECT_EQ(w.MonthIndex(), 1);

  auto* month = static_cast<CComboUI*>(w.Find(L"com_month"));
  host.Click(Handle(), Centre(month).x, Centre(month).y);
  ASSERT_NE(w.GetPaintManager().GetPopup(), nullptr);
  host.Key(Handle(), VK_RIGHT);
  host.Key(Handle(), VK_HOME);
  EXPECT_EQ(selected(), std::vector<DateTimeRecord>{Date(2015, 1, 1)});
  host.Key(Handle(), VK_ESCAPE);
}

TEST_F(NavigationTest, NotificationsWithoutAnActionChangeNothing) {
  auto& w = Open();
  auto const time = w.Text(L"now_time");
  auto& pm = w.GetPaintManager();
  clock.AddSeconds(5);
  pm.SendNotify(w.Find(L"now_day"), L"timer");  // only "cal"'s timer ticks the clock
  // 记事本 opens the note window now (tests/e2e/notes_test.cpp).
  for (auto const* name : {L"btn_screenshot", L"now_lunar"}) ClickOn(name);
  // The header's tools without a function look disabled and say so.
  EXPECT_TRUE(w.Find(L"btn_notePad")->IsEnabled());
  EXPECT_FALSE(w.Find(L"btn_screenshot")->IsEnabled());
  EXPECT_EQ(w.Find(L"btn_screenshot")->GetToolTip(), L"截图：尚未提供");
  host.Click(Handle(), 250, 148);  // the bare background between the navigation buttons
  pm.SendNotify(w.Find(L"com_month"), L"textchanged");
  pm.SendNotify(w.Find(L"com_month"), L"killfocus");
  EXPECT_EQ(w.Text(L"now_time"), time);
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  EXPECT_EQ(host.Windows(), std::vector<HWND>{Handle()});
}

}  // namespace
