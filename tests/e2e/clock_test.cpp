// The clock tick and the midnight rule.
#include "grid/grid_constants.h"
#include "widget_fixture.h"

namespace {

using namespace e2e;

using ClockTest = WidgetTest;

TEST_F(ClockTest, ATickChangesOnlyTheClock) {
  auto& w = Open();
  auto const header = w.Text(L"now_day") + w.Text(L"now_week") + w.Text(L"lbl_yi") + w.Text(L"now_lunar");
  ClickOn(L"btn_next_month");
  auto const selected = w.SelectedDates();
  Tick(1);
  EXPECT_EQ(w.Text(L"now_time"), L"10:24:37");
  Tick(60);
  EXPECT_EQ(w.Text(L"now_time"), L"10:25:37");
  EXPECT_EQ(w.MonthIndex(), 3);
  EXPECT_EQ(w.SelectedDates(), selected);
  EXPECT_EQ(w.Text(L"now_day"), L"01");
}

// The idle widget's only change is the clock: a tick repaints and presents that label alone, and what it
// leaves on the frame is what painting the whole window would give; a month step repaints as much as it
// changes, leaving nothing stale either.
TEST_F(ClockTest, ATickRepaintsOnlyTheClockAndAMonthStepAllItChanges) {
  auto& w = Open();
  Tick(1);
  EXPECT_EQ(host.LastPainted(Handle()), std::vector<RECT>{w.Find(L"now_time")->GetPos()});
  EXPECT_TRUE(StalePixels().empty());
  ClickOn(L"btn_next_month");
  RECT painted{};
  for (const RECT& r : host.LastPainted(Handle())) painted = UnionRects(painted, r);
  for (const wchar_t* name : {L"com_month", L"cal_cell_1", L"cal_cell_42", L"lbl_yi"}) {
    EXPECT_EQ(IntersectRects(painted, w.Find(name)->GetPos()), w.Find(name)->GetPos()) << name;
  }
  EXPECT_TRUE(StalePixels().empty());
}

TEST_F(ClockTest, AtMidnightASelectedTodayFollowsToTheNewToday) {
  clock.now = {2015, 2, 19, 23, 59, 58};
  auto& w = Open();
  Tick(1);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  Tick(1);
  EXPECT_EQ(w.Text(L"now_time"), L"00:00:00");
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 20)});
  EXPECT_EQ(w.Text(L"now_day"), L"20");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月初二");
}

TEST_F(ClockTest, AtMidnightAnotherSelectionStaysAndOnlyTheMarkerMoves) {
  clock.now = {2015, 3, 10, 23, 59, 59};
  auto& w = Open();
  ClickCell(2015, 3, 4);
  auto const yi = w.Text(L"lbl_yi");
  ASSERT_EQ(w.DatesWithImage(grid::kTodayImage), std::vector<DateTimeRecord>{Date(2015, 3, 10)});
  Tick(1);
  EXPECT_EQ(w.DatesWithImage(grid::kTodayImage), std::vector<DateTimeRecord>{Date(2015, 3, 11)});
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 3, 4)});
  EXPECT_EQ(w.Text(L"now_day"), L"04");
  EXPECT_EQ(w.Text(L"lbl_yi"), yi);
  // Later ticks of the same date change nothing more.
  Tick(5);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 3, 4)});
}

TEST_F(ClockTest, AtMidnightOnAnotherShownMonthTheShownMonthStays) {
  clock.now = {2015, 3, 31, 23, 59, 59};
  auto& w = Open();
  ClickOn(L"btn_up_month");
  ASSERT_EQ(w.MonthIndex(), 2);
  Tick(1);
  EXPECT_EQ(w.MonthIndex(), 2);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 1)});
  ClickOn(L"btn_today");
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 4, 1)});
}

TEST_F(ClockTest, AtTheYearsEndASelectedTodayFollowsIntoTheNewYear) {
  clock.now = {2015, 12, 31, 23, 59, 59};
  auto& w = Open();
  Tick(1);
  EXPECT_EQ(w.YearIndex(), 116);
  EXPECT_EQ(w.MonthIndex(), 1);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2016, 1, 1)});
}

}  // namespace
