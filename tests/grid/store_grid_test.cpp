// The grid on the real almanac (build/bin/yiji.db through the store), with snapshots of the test window
// in build/grid_snapshots/.
#include <filesystem>

#include <gtest/gtest.h>

#include "almanac/almanac_store.h"
#include "grid/grid_constants.h"
#include "grid/store_lookups.h"
#include "grid_window_support.h"

namespace {

using namespace gridtest;
using namespace grid;

class StoreGridTest : public GridWindowTest {
 protected:
  GridWindow& ShowToday(int year, int month, int day) {
    ConnectFestivalLookups();
    SetToday(year, month, day);
    auto& w = Open(StoreLookups());
    w.ShowMonth(year, month, day, grid::kSelectToday);
    return w;
  }
  void Save(const std::string& name) {
    std::filesystem::create_directories(WANNIANLI_SNAPSHOT_DIR);
    EXPECT_TRUE(host.SavePng(window->GetHWND(), WANNIANLI_SNAPSHOT_DIR "/" + name));
  }
};

TEST_F(StoreGridTest, SpringFestival2015) {
  auto& w = ShowToday(2015, 2, 19);
  EXPECT_EQ(w.CellsWith(kTodayImage), std::vector<int>{});  // today keeps its rest-day badge
  EXPECT_EQ(w.CellsWith(kRestDayImage), (std::vector<int>{18, 19, 20, 21, 22, 23, 24}));
  EXPECT_EQ(w.CellsWith(kWorkedDayImage), (std::vector<int>{15, 28}));
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"春节");
  EXPECT_FALSE(w.FestivalLabel()->GetBkImage().empty());
  Save("february_2015.png");
}

TEST_F(StoreGridTest, NationalDay2023) {
  auto& w = ShowToday(2023, 10, 12);
  EXPECT_EQ(w.CellsWith(kRestDayImage), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(w.CellsWith(kWorkedDayImage), (std::vector<int>{7, 8}));
  Save("october_2023.png");
}

TEST_F(StoreGridTest, RestDaysAreMarkedWhereverTheirFestivalLies) {
  // September 2015: 3-5 September, 26-27 September (中秋 on the 27th, not the first rest day), and in grey
  // 1-7 October.
  auto& w = ShowToday(2015, 9, 10);
  EXPECT_EQ(w.CellsWith(kRestDayImage), (std::vector<int>{5, 6, 7, 28, 29, 33, 34, 35, 36, 37, 38, 39}));
  // May 2023: 30 April in cell 1 belongs to 劳动节, whose April row (29 April) is off the grid.
  ShowToday(2023, 5, 20);
  EXPECT_EQ(window->CellsWith(kRestDayImage), (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
