// The grid on the real almanac (build/bin/yiji.db through the store's look-ups), and snapshots of the test
// window in build/grid_snapshots/.
#include <filesystem>

#include <gtest/gtest.h>

#include "almanac/almanac_store.h"
#include "grid/grid_constants.h"
#include "grid/store_lookups.h"
#include "grid_window_support.h"
#include "recording_canvas.h"

namespace {

using namespace gridtest;
using namespace grid;

class StoreGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallHost(&host);
    ConnectFestivalLookups();
  }
  void TearDown() override {
    window.reset();
    SetFestivalLookups({});
    platform::SetClockSource({});
    InstallHost(nullptr);
  }

  GridWindow& ShowToday(int year, int month, int day) {
    platform::SetClockSource([=] { return platform::LocalDateTime{year, month, day, 9, 41, 0}; });
    window = std::make_unique<GridWindow>(StoreLookups());
    EXPECT_NE(window->Open(), nullptr) << window->GetSkinError();
    window->ShowMonth(year, month, day, true, false);
    host.RunUntilIdle();
    return *window;
  }

  void Save(const std::string& name) {
    std::filesystem::create_directories(WANNIANLI_SNAPSHOT_DIR);
    EXPECT_TRUE(host.SavePng(window->GetHWND(), WANNIANLI_SNAPSHOT_DIR "/" + name));
  }

  std::wstring SecondLine(int cell) {
    RecordingCanvas canvas;
    window->DayCell(cell)->PaintText(&canvas);
    return canvas.texts.size() == 2 ? canvas.texts[1].text : L"<none>";
  }

  HeadlessHost host;
  std::unique_ptr<GridWindow> window;
};

TEST_F(StoreGridTest, SpringFestival2015) {
  auto& w = ShowToday(2015, 2, 19);
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{19});
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{18, 20, 21, 22, 23, 24}));
  EXPECT_EQ(w.CellsWithBackground(kWorkedDayImage), (std::vector<int>{15, 28}));
  EXPECT_EQ(SecondLine(19), L"春节");
  EXPECT_EQ(SecondLine(33), L"元宵节");  // 5 March
  EXPECT_EQ(w.DayCell(19)->GetToolTip(), L"春节");
  EXPECT_NE(w.Text(L"lbl_yi"), L"");
  EXPECT_FALSE(w.FestivalLabel()->GetBkImage().empty());
  Save("february_2015.png");
}

TEST_F(StoreGridTest, NationalDay2023) {
  auto& w = ShowToday(2023, 10, 12);
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(w.CellsWithBackground(kWorkedDayImage), (std::vector<int>{7, 8}));
  EXPECT_EQ(w.CellsWithBackground(kTodayImage), std::vector<int>{12});
  Save("october_2023.png");
}

TEST_F(StoreGridTest, MidAutumn2015MarksItsTwoRestDaysNotARunFromTheFestival) {
  auto& w = ShowToday(2015, 9, 10);
  // 3-5 September (抗战胜利纪念日), 26-27 September (中秋, festival on the 27th), 1-7 October in grey.
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage),
            (std::vector<int>{5, 6, 7, 28, 29, 33, 34, 35, 36, 37, 38, 39}));
}

TEST_F(StoreGridTest, ARestDayWhoseRowLiesOffTheGridIsMarked) {
  // 劳动节 2023 runs 29 April - 3 May; May's grid shows 30 April in cell 1, April's row is on the 29th.
  auto& w = ShowToday(2023, 5, 20);
  EXPECT_EQ(w.CellsWithBackground(kRestDayImage), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(w.CellsWithBackground(kWorkedDayImage), std::vector<int>{7});  // Saturday 6 May
}

}  // namespace
