#include "grid/holiday_marks.h"

#include <gtest/gtest.h>

#include "fake_almanac.h"
#include "grid/month_plan.h"

namespace {

using namespace grid;

DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

// The cells as a fill of (year, month) leaves them; hidden cells keep `kept` dates (default zero).
GridCells CellsAfterFill(int year, int month, const DateTimeRecord& today, const GridCells& kept = {}) {
  GridCells cells = kept;
  for (auto& c : cells) c.visible = false;
  for (const auto& f : PlanMonth(year, month, today, {}).fills)
    cells[f.cell - 1] = {f.date, true, std::wstring(f.bkImage)};
  return cells;
}

// Both steps of a refresh, as the window runs them: holiday marks, then worked days.
GridMarks Refresh(const GridCells& cells, const DateTimeRecord& today, const AlmanacLookups& lookups) {
  auto marks = PlanHolidayMarks(cells, today, lookups);
  auto const worked = WorkedDayCells(cells, lookups);
  for (int i = 0; i < kCellCount; ++i)
    if (worked[i]) marks[i].bkImage = kWorkedDayImage;
  return marks;
}

std::vector<int> CellsWith(const GridMarks& marks, std::wstring_view image) {
  std::vector<int> cells;
  for (int i = 0; i < kCellCount; ++i)
    if (marks[i].bkImage == image) cells.push_back(i + 1);
  return cells;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

// The 2015 spring festival as the database holds it: festival on the 19th, rest days 18-24, worked 15 and 28.
FakeAlmanac SpringFestival2015() {
  FakeAlmanac a;
  a.holidayRows[{2015, 2, 19}] = {"春节", "chunjie.png", "18,19,20,21,22,23,24"};
  for (int d = 18; d <= 24; ++d) a.restDays.insert({2015, 2, d});
  a.workedDays = {{2015, 2, 15}, {2015, 2, 28}};
  return a;
}

constexpr DateTimeRecord kFarToday{2040, 6, 6, 0, 0, 0};

TEST(HolidayMarks, RestDaysOfTheListAreMarkedTodayKeepsItsMarker) {
  auto const almanac = SpringFestival2015();
  auto const today = Date(2015, 2, 20);
  auto const marks = Refresh(CellsAfterFill(2015, 2, today), today, almanac.Lookups());
  EXPECT_EQ(CellsWith(marks, kRestDayImage), (std::vector<int>{18, 19, 21, 22, 23, 24}));
  EXPECT_EQ(CellsWith(marks, kTodayImage), std::vector<int>{20});
  EXPECT_EQ(CellsWith(marks, kWorkedDayImage), (std::vector<int>{15, 28}));
  EXPECT_EQ(marks[18].tooltip, L"春节");
  EXPECT_FALSE(marks[17].tooltip);  // no holiday name: the festival tip stays
}

TEST(HolidayMarks, AFestivalThatIsNotTheFirstRestDayMarksExactlyItsRestDays) {
  // 中秋 2015: rest days 26-27 September (cells 28-29), festival on the 27th.
  FakeAlmanac a;
  a.holidayRows[{2015, 9, 27}] = {"中秋节", "zhongqiu.png", "26,27"};
  auto const marks = Refresh(CellsAfterFill(2015, 9, kFarToday), kFarToday, a.Lookups());
  EXPECT_EQ(CellsWith(marks, kRestDayImage), (std::vector<int>{28, 29}));
}

TEST(HolidayMarks, EmptyPiecesAndMalformedPiecesNameNoDay) {
  EXPECT_EQ(ListedRestDays("01,,02", 2015, 10), (std::vector<int>{1, 2}));
  EXPECT_EQ(ListedRestDays(",05,", 2015, 10), std::vector<int>{5});
  // As the store's rest-day test reads them: one digit, three digits, a space or a day past the month's end
  // name no day.
  EXPECT_EQ(ListedRestDays("5,005, 06,07 ,31,30", 2015, 9), std::vector<int>{30});
  EXPECT_EQ(ListedRestDays("", 2015, 9), std::vector<int>{});
}

TEST(HolidayMarks, RunsAtTheEndOfTheGridStopAtCell42) {
  // May 2015 (1 May a Friday): 劳动节 rest days 1-3 May are cells 6-8; a festival in the trailing cells
  // (4 June in cell 40) listing five days marks what of them the grid holds.
  FakeAlmanac a;
  a.holidayRows[{2015, 5, 1}] = {"劳动节", "laodong.png", "01,02,03"};
  a.holidayRows[{2015, 6, 4}] = {"测试", "", "04,05,06,07,08"};
  auto const marks = Refresh(CellsAfterFill(2015, 5, kFarToday), kFarToday, a.Lookups());
  EXPECT_EQ(CellsWith(marks, kRestDayImage), (std::vector<int>{6, 7, 8, 40, 41, 42}));
}

TEST(HolidayMarks, AHiddenCellsKeptDateStillGivesItsRowsRestDays) {
  // January 2016 keeps cells 1-5 hidden; say cell 5 still holds 8 February 2016 from an earlier fill and
  // that day's row lists 5-8 February, of which cells 41-42 show 5-6 February.
  GridCells kept;
  kept[4].date = Date(2016, 2, 8);
  FakeAlmanac a;
  a.holidayRows[{2016, 2, 8}] = {"测试", "", "05,06,07,08"};
  auto const marks = Refresh(CellsAfterFill(2016, 1, kFarToday, kept), kFarToday, a.Lookups());
  EXPECT_EQ(CellsWith(marks, kRestDayImage), Range(41, 42));  // the hidden cell itself is not drawn
  EXPECT_EQ(marks[4].tooltip, L"测试");
}

TEST(HolidayMarks, NeighbourDaysWhoseRowLiesOffTheGridAreAskedForOneByOne) {
  // 劳动节 2023: rest days 29 April - 3 May; April's row is on the 29th, off the May grid, which shows
  // 30 April in cell 1.
  FakeAlmanac a;
  a.holidayRows[{2023, 4, 29}] = {"劳动节", "laodong.png", "29,30"};
  a.holidayRows[{2023, 5, 1}] = {"劳动节", "laodong.png", "01,02,03"};
  for (auto d : {29, 30}) a.restDays.insert({2023, 4, d});
  for (auto d : {1, 2, 3}) a.restDays.insert({2023, 5, d});
  auto const marks = Refresh(CellsAfterFill(2023, 5, kFarToday), kFarToday, a.Lookups());
  EXPECT_EQ(CellsWith(marks, kRestDayImage), (std::vector<int>{1, 2, 3, 4}));
  // Only the shown days of the two neighbour months are asked; May is shown whole.
  for (const auto& [y, m, d] : a.DaysAsked("rest")) EXPECT_NE(m, 5);
  EXPECT_EQ(a.DaysAsked("rest").size(), 1u + 10u);  // 30 April; 1-10 June
}

TEST(HolidayMarks, ANeighbourMonthTodayGetsTheTodayImage) {
  auto const today = Date(2015, 11, 30);
  FakeAlmanac a;
  auto const marks = Refresh(CellsAfterFill(2015, 12, today), today, a.Lookups());
  EXPECT_EQ(CellsWith(marks, kTodayImage), std::vector<int>{2});
}

TEST(HolidayMarks, AWorkedDayThatIsTodayEndsWithTheWorkedImage) {
  auto const almanac = SpringFestival2015();
  auto const today = Date(2015, 2, 15);
  auto const marks = Refresh(CellsAfterFill(2015, 2, today), today, almanac.Lookups());
  EXPECT_EQ(marks[14].bkImage, kWorkedDayImage);
  EXPECT_EQ(CellsWith(marks, kTodayImage), std::vector<int>{});
}

TEST(HolidayMarks, QuestionsComeInOrderAndHiddenCellsAreNotAskedAboutWork) {
  auto const almanac = SpringFestival2015();
  Refresh(CellsAfterFill(2015, 12, kFarToday), kFarToday, almanac.Lookups());
  auto const& calls = almanac.calls;
  ASSERT_GE(calls.size(), 42u);
  for (int i = 0; i < 42; ++i) EXPECT_EQ(calls[i].what, "festivalDay");
  EXPECT_EQ(almanac.DaysAsked("worked").size(), 33u);  // cells 34-42 of December are hidden
  EXPECT_EQ(calls.back().what, "worked");
}

TEST(HolidayMarks, WithoutAnAlmanacOnlyTodayIsMarked) {
  auto const today = Date(2015, 2, 19);
  auto cells = CellsAfterFill(2015, 2, today);
  cells[3].bkImage = L"stale.png";  // not the fill's business here: other cells keep their background
  auto const marks = Refresh(cells, today, AlmanacLookups{});
  EXPECT_EQ(CellsWith(marks, kTodayImage), std::vector<int>{19});
  EXPECT_EQ(marks[3].bkImage, L"stale.png");
  for (const auto& m : marks) EXPECT_FALSE(m.tooltip);
}

TEST(SelectedImage, RestWorkedBothOtherYearsAndToday) {
  FakeAlmanac a;
  a.restDays = {{2015, 2, 19}, {2015, 10, 10}};
  a.workedDays = {{2015, 2, 15}, {2015, 10, 10}};
  auto const lookups = a.Lookups();
  auto const today = Date(2015, 2, 20);
  EXPECT_EQ(ChooseSelectedImageFor(Date(2015, 2, 19), today, lookups), kRestDaySelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor(Date(2015, 2, 15), today, lookups), kWorkedDaySelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor(Date(2015, 10, 10), today, lookups), kWorkedDaySelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor(Date(2016, 2, 19), today, lookups), kDefaultSelectedImage);
  EXPECT_EQ(ChooseSelectedImageFor(Date(2015, 2, 30), today, lookups), std::nullopt);
  EXPECT_EQ(ChooseSelectedImageFor(Date(0, 0, 0), today, lookups), std::nullopt);
}

TEST(SelectedImage, TodayGetsTheDefaultImageEvenOnARestDay) {
  FakeAlmanac a;
  a.restDays = {{2015, 2, 19}};
  auto const today = Date(2015, 2, 19);
  EXPECT_EQ(ChooseSelectedImageFor(today, today, a.Lookups()), kDefaultSelectedImage);
  EXPECT_TRUE(a.calls.empty());
}

}  // namespace
