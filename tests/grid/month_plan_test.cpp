#include "grid/month_plan.h"

#include <gtest/gtest.h>

#include "grid/grid_constants.h"
#include "lunar/gregorian.h"

namespace {

using namespace grid;

constexpr DateTimeRecord kFarToday{2040, 6, 6, 0, 0, 0};

DateTimeRecord Date(int y, int m, int d) { return {y, m, d, 0, 0, 0}; }

// Checks cells [from, to] hold consecutive days from `first` of (year, month) in `colour`.
void ExpectRun(const MonthPlan& plan, int from, int to, int year, int month, int first, std::wstring_view colour) {
  for (int cell = from; cell <= to; ++cell) {
    SCOPED_TRACE(testing::Message() << "cell " << cell);
    const auto* fill = plan.Find(cell);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->date, Date(year, month, first + cell - from));
    EXPECT_EQ(fill->textColour, colour);
    EXPECT_TRUE(fill->bkImage.empty());
  }
}

void ExpectHidden(const MonthPlan& plan, int from, int to) {
  for (int cell = from; cell <= to; ++cell) EXPECT_EQ(plan.Find(cell), nullptr) << "cell " << cell;
}

TEST(MonthPlan, February2015StartsOnSundayWithoutLeadingDays) {
  auto const plan = PlanMonth(2015, 2, kFarToday, {});
  EXPECT_EQ(plan.firstColumn, 1);
  ExpectRun(plan, 1, 28, 2015, 2, 1, kShownMonthColour);
  ExpectRun(plan, 29, 42, 2015, 3, 1, kNeighbourMonthColour);
  EXPECT_EQ(plan.fills.size(), 42u);
}

TEST(MonthPlan, August2015StartsOnSaturday) {
  auto const plan = PlanMonth(2015, 8, kFarToday, {});
  ExpectRun(plan, 1, 6, 2015, 7, 26, kNeighbourMonthColour);
  ExpectRun(plan, 7, 37, 2015, 8, 1, kShownMonthColour);
  ExpectRun(plan, 38, 42, 2015, 9, 1, kNeighbourMonthColour);
}

TEST(MonthPlan, JanuaryLeavesItsLeadingCellsHidden) {
  auto const plan = PlanMonth(2015, 1, kFarToday, {});
  ExpectHidden(plan, 1, 4);
  ExpectRun(plan, 5, 35, 2015, 1, 1, kShownMonthColour);
  ExpectRun(plan, 36, 42, 2015, 2, 1, kNeighbourMonthColour);
}

TEST(MonthPlan, DecemberLeavesItsTrailingCellsHidden) {
  auto const plan = PlanMonth(2015, 12, kFarToday, {});
  ExpectRun(plan, 1, 2, 2015, 11, 29, kNeighbourMonthColour);
  ExpectRun(plan, 3, 33, 2015, 12, 1, kShownMonthColour);
  ExpectHidden(plan, 34, 42);
}

TEST(MonthPlan, MarchTakesItsLeadingDaysFromTheFebruaryOfItsYear) {
  ExpectRun(PlanMonth(2016, 3, kFarToday, {}), 1, 2, 2016, 2, 28, kNeighbourMonthColour);  // 29 February
  ExpectRun(PlanMonth(2100, 3, kFarToday, {}), 1, 1, 2100, 2, 28, kNeighbourMonthColour);  // no 29th
  ExpectRun(PlanMonth(2016, 2, kFarToday, {}), 2, 30, 2016, 2, 1, kShownMonthColour);
}

TEST(MonthPlan, LeadingDaysAreVisitedFromTheLastToTheFirst) {
  auto const plan = PlanMonth(2015, 8, kFarToday, {});
  for (int k = 0; k < 6; ++k) EXPECT_EQ(plan.fills[k].cell, 6 - k);
  EXPECT_EQ(plan.fills[6].cell, 7);
}

TEST(MonthPlan, SelectionFlags) {
  auto const today = Date(2015, 8, 20);
  auto const selected = [](const MonthPlan& plan) {
    std::vector<int> cells;
    for (const auto& f : plan.fills)
      if (f.selectAsFirstDay || f.selectAsToday) cells.push_back(f.cell);
    return cells;
  };
  EXPECT_EQ(selected(PlanMonth(2015, 8, today, {})), std::vector<int>{});
  EXPECT_EQ(selected(PlanMonth(2015, 8, today, {.firstDay = true})), std::vector<int>{7});
  EXPECT_EQ(selected(PlanMonth(2015, 8, today, {.today = true})), std::vector<int>{26});
  // Another month than today's: "select today" selects nothing.
  EXPECT_EQ(selected(PlanMonth(2015, 9, today, {.today = true})), std::vector<int>{});
}

TEST(MonthPlan, TodaysCellOfTheShownMonthGetsTheTodayImage) {
  auto const plan = PlanMonth(2015, 2, Date(2015, 2, 19), {});
  for (const auto& f : plan.fills) {
    EXPECT_EQ(f.isToday, f.cell == 19) << f.cell;
    EXPECT_EQ(f.bkImage, f.cell == 19 ? kTodayImage : std::wstring_view()) << f.cell;
  }
}

TEST(MonthPlan, ANeighbourMonthTodayIsNotMarkedByTheFill) {
  // 30 November 2015 sits in cell 2 of December; marking it is left to the holiday marks.
  auto const plan = PlanMonth(2015, 12, Date(2015, 11, 30), {.today = true});
  ASSERT_NE(plan.Find(2), nullptr);
  EXPECT_EQ(plan.Find(2)->date, Date(2015, 11, 30));
  for (const auto& f : plan.fills) {
    EXPECT_FALSE(f.isToday);
    EXPECT_FALSE(f.selectAsToday);
    EXPECT_TRUE(f.bkImage.empty());
  }
}

TEST(MonthPlan, EveryMonthEndsByCell37AndFillsSixRows) {
  for (int year : {1901, 2015, 2050})
    for (int month = 1; month <= 12; ++month) {
      auto const plan = PlanMonth(year, month, kFarToday, {});
      auto const last = plan.firstColumn - 1 + lunar::DaysInMonth(year, month);
      EXPECT_LE(last, 37);
      if (month != 12) {
        EXPECT_NE(plan.Find(42), nullptr) << year << "-" << month;
      }
    }
}

}  // namespace
