// The month plan's arithmetic; how a plan lands on the cells is tested on the window.
#include "grid/month_plan.h"

#include <gtest/gtest.h>


namespace {

constexpr DateTimeRecord kFarToday{2040, 6, 6, 0, 0, 0};

TEST(MonthPlan, LeadingDaysComeFromTheFebruaryOfTheSameYearLastDayFirst) {
  auto const leap = grid::PlanMonth(2016, 3, kFarToday, {});  // Tuesday: 28, 29 February
  ASSERT_GE(leap.fills.size(), 2u);
  EXPECT_EQ(leap.fills[0].cell, 2);
  EXPECT_EQ(leap.fills[0].date, (DateTimeRecord{2016, 2, 29, 0, 0, 0}));
  EXPECT_EQ(leap.fills[1].date, (DateTimeRecord{2016, 2, 28, 0, 0, 0}));
  EXPECT_EQ(grid::PlanMonth(2100, 3, kFarToday, {}).fills[0].date, (DateTimeRecord{2100, 2, 28, 0, 0, 0}));
}

}  // namespace
