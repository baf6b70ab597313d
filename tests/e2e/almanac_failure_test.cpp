// A missing or corrupt yiji.db and a missing skin: the widget keeps running, or the program says which
// file failed.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include <unistd.h>

#include "almanac/almanac_connection.h"
#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "app/widget.h"
#include "platform/executable_path.h"
#include "tests/almanac/lock_holder.h"
#include "widget_fixture.h"

namespace {

using namespace e2e;
namespace fs = std::filesystem;

// A folder that stands for the executable's: the real skin, and whatever yiji.db the test puts there.
class ElsewhereTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    folder = fs::temp_directory_path() / ("wannianli-e2e-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    platform::SetExecutablePathOverride((folder / "wannianli").string());
  }
  void TearDown() override {
    WidgetTest::TearDown();
    ReleaseAlmanacConnection();
    platform::SetExecutablePathOverride(std::nullopt);
    fs::remove_all(folder);
  }
  void LinkSkin() { fs::create_directory_symlink(fs::path(WANNIANLI_OUTPUT_DIR) / "skin", folder / "skin"); }
  void WriteDb(const std::string& bytes) {
    std::ofstream(folder / "yiji.db", std::ios::binary) << bytes;
  }
  fs::path folder;
};

TEST_F(ElsewhereTest, WithoutTheDatabaseTheWidgetRunsAndItsAlmanacRowsSaySo) {
  auto& w = Open();
  EXPECT_EQ(w.Text(L"lbl_yi"), L"未找到黄历数据库 yiji.db");
  EXPECT_EQ(w.Text(L"lbl_ji"), L"暂无宜忌");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月初一");  // the engine needs no database
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 2, 19)});
  ClickOn(L"btn_next_month");
  EXPECT_EQ(w.MonthIndex(), 3);
}

TEST_F(ElsewhereTest, ACorruptDatabaseIsReportedOnceAndTheWidgetStaysUsable) {
  WriteDb(std::string(4096, 'x'));
  testing::internal::CaptureStderr();
  auto& w = Open();
  auto const atStart = testing::internal::GetCapturedStderr();
  // One line saying what failed, with the file.
  auto const where = "wannianli: almanac database " + (folder / "yiji.db").string() + ": ";
  EXPECT_EQ(atStart.find(where), 0u) << atStart;
  EXPECT_NE(atStart.find("file is not a database (shown without the almanac)\n"), std::string::npos) << atStart;
  EXPECT_EQ(std::count(atStart.begin(), atStart.end(), '\n'), 1) << atStart;
  EXPECT_EQ(w.Text(L"lbl_yi"), L"黄历数据库 yiji.db 无法读取");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月初一");  // the engine's own texts are there
  // The same failures again are not repeated, and the widget goes on: months, clock, day clicks.
  testing::internal::CaptureStderr();
  ClickOn(L"btn_next_month");
  ClickOn(L"btn_next_month");
  ClickCell(2015, 4, 8);
  Tick(2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(w.MonthIndex(), 4);
  EXPECT_EQ(w.Text(L"now_day"), L"08");
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 4, 8)});
  EXPECT_EQ(w.Text(L"now_time"), L"10:24:38");
  EXPECT_TRUE(WindowAlive());
}

#if !defined(_WIN32)
// Another program holding yiji.db locked: each refresh gives up after a few milliseconds with empty almanac
// texts, says so once, and the first refresh after the lock is gone fills them.
TEST_F(ElsewhereTest, ALockedDatabaseNeverHoldsTheWindowAndIsReadOnceFree) {
  fs::copy_file(fs::path(WANNIANLI_OUTPUT_DIR) / "yiji.db", folder / "yiji.db");
  LockHolder writer((folder / "yiji.db").string(), "begin exclusive; delete from yijitable;");
  ASSERT_TRUE(writer.held);
  testing::internal::CaptureStderr();
  auto const start = std::chrono::steady_clock::now();
  auto& w = Open();
  ClickOn(L"btn_next_month");
  ClickCell(2015, 3, 8);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("SQLITE_BUSY[5]: database is locked (another program holds it locked"), std::string::npos) << err;
  EXPECT_EQ(w.Text(L"lbl_yi"), L"黄历数据库被其他程序占用");
  EXPECT_EQ(w.Text(L"now_lunar"), L"正月十八");
  writer.Release();
  ClickOn(L"btn_next_month");
  EXPECT_NE(w.Text(L"lbl_yi"), L"黄历数据库被其他程序占用");
  EXPECT_NE(w.Find(L"lbl_yi")->GetToolTip(), L"");
}
#endif

TEST_F(ElsewhereTest, AnEmptyDatabaseIsOneLineOnTheSnapshot) {
  LinkSkin();
  WriteDb("");
  CPaintManagerUI::SetInstancePath("");
  InstallHost(nullptr);  // RunWidget installs its own host
  testing::internal::CaptureStderr();
  int const status = app::RunWidget({app::InfoDate{2015, 2, 19}, (folder / "shot.png").string(), {}});
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("file is empty (0 bytes)"), std::string::npos) << err;
}

// What the soft look-ups do not cover still stops at the dispatch, which says what failed and goes on.
TEST_F(ElsewhereTest, AnAlmanacErrorReachingTheDispatchIsReportedAndTheWidgetGoesOn) {
  grid::AlmanacLookups failing;
  failing.queryYiJi = [](std::string&, bool, DateTimeRecord) -> bool { throw CppSQLite3Exception(11, "disk image is malformed"); };
  testing::internal::CaptureStderr();
  auto& w = Open(new MainWindow(failing));
  ClickOn(L"btn_next_month");
  ClickCell(2015, 3, 8);
  Tick(1);
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("AlmanacError escaped a notification handler: almanac database "), std::string::npos) << err;
  EXPECT_NE(err.find("disk image is malformed"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << "once, though every action failed";
  EXPECT_EQ(w.MonthIndex(), 3);
  EXPECT_EQ(w.SelectedDates(), std::vector<DateTimeRecord>{Date(2015, 3, 8)});
  EXPECT_EQ(w.Text(L"now_time"), L"10:24:37");
}

TEST_F(ElsewhereTest, TheSnapshotSaysOnceWhereItLookedForTheDatabase) {
  LinkSkin();
  CPaintManagerUI::SetInstancePath("");
  InstallHost(nullptr);  // RunWidget installs its own host
  auto const png = folder / "shot.png";
  testing::internal::CaptureStderr();
  int const status = app::RunWidget({app::InfoDate{2015, 2, 19}, png.string(), {}});
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::is_regular_file(png));
  auto const where = (folder / "yiji.db").string();
  auto const at = err.find("no almanac database at " + where);
  EXPECT_NE(at, std::string::npos) << err;
  EXPECT_EQ(err.find("no almanac database", at + 1), std::string::npos) << err;
}

TEST_F(ElsewhereTest, WithoutTheBackgroundPictureTheHeaderKeepsItsBlue) {
  fs::copy(fs::path(WANNIANLI_OUTPUT_DIR) / "skin", folder / "skin");
  for (char const* name : {"main_bg.png", "main_bg@1.5x.png", "main_bg@2x.png", "main_bg@3x.png"})
    fs::remove(folder / "skin" / name);  // every variant: a larger one would stand in for the 1x picture
  CPaintManagerUI::SetInstancePath(folder.string());
  testing::internal::CaptureStderr();
  Open();
  host.RunUntilIdle();
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("main_bg.png"), std::string::npos) << err;  // still reported
  EXPECT_EQ(host.Pixel(Handle(), 150, 20) & 0xFFFFFF, 0x278ADFu);  // the header's own blue behind its texts
  EXPECT_EQ(host.Pixel(Handle(), 1, 300) & 0xFFFFFF, 0xFFFFFFu);   // the body stays white
  ClickOn(L"btn_suoxiao");
  ClickOn(L"btn_fangda");
  host.RunUntilIdle();
  EXPECT_EQ(host.Pixel(Handle(), 1, 300) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(ElsewhereTest, AMissingSkinNamesTheFileAndFailsWithStatus1) {
  CPaintManagerUI::SetInstancePath("");
  InstallHost(nullptr);
  testing::internal::CaptureStderr();
  int const status = app::RunWidget({app::InfoDate{2015, 2, 19}, (folder / "shot.png").string(), {}});
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find((folder / "skin" / "main.xml").string()), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(folder / "shot.png"));
}

// A skin without a control the main window cannot work without is refused as a missing skin is; one
// without the decorative ones still makes the whole widget.
TEST_F(ElsewhereTest, ASkinWithoutAControlTheWindowNeedsNamesItAndFailsWithStatus1) {
  fs::path const real = fs::path(WANNIANLI_OUTPUT_DIR) / "skin";
  fs::copy(real, folder / "skin", fs::copy_options::recursive);
  std::ifstream in(real / "main.xml", std::ios::binary);
  std::string const skin((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto const run = [&](const std::vector<std::pair<std::string, std::string>>& edits) {
    std::string text = skin;
    for (auto const& [from, to] : edits) {
      auto const at = text.find(from);
      if (at == std::string::npos) ADD_FAILURE() << "the skin has no " << from;
      else text.replace(at, from.size(), to);
    }
    std::ofstream(folder / "skin" / "main.xml", std::ios::binary | std::ios::trunc) << text;
    fs::remove(folder / "shot.png");
    CPaintManagerUI::SetInstancePath("");
    InstallHost(nullptr);
    testing::internal::CaptureStderr();
    int const status = app::RunWidget({app::InfoDate{2015, 2, 19}, (folder / "shot.png").string(), {}});
    return std::pair{status, testing::internal::GetCapturedStderr()};
  };
  std::string const file = (folder / "skin" / "main.xml").string();
  for (std::string name : {"root_bg", "now_time", "now_week", "now_day", "now_datetime", "now_lunar", "now_lunarYear",
                           "now_lunarMonth", "com_year", "com_month", "lbl_yi", "lbl_ji", "cal", "btn_close",
                           "btn_fangda"}) {
    auto const [status, err] = run({{"name=\"" + name + "\"", "name=\"gone\""}});
    SCOPED_TRACE(name + ": " + err);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("wannianli: skin error: " + file + ": no control \"" + name + "\""), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "shot.png"));
  }
  // The right names on the wrong kinds of control, and a year picker that stops short of the last year.
  auto const [status, err] = run({{"<Container name=\"cal\"", "<Label name=\"cal\""},
                                   {"<Item text=\"2050年\"/>", ""}});
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("\"cal\" is a Label, not a Container"), std::string::npos) << err;
  EXPECT_NE(err.find("\"com_year\" holds 150 items, not 151"), std::string::npos) << err;
  // Decoration, the tools and the navigation buttons may be left out.
  std::vector<std::pair<std::string, std::string>> optional;
  for (std::string name : {"now_temp", "lbl_festival", "lbl_yi_mark", "lbl_ji_mark", "btn_app", "btn_notePad",
                           "btn_screenshot", "btn_shutdown", "btn_suoxiao", "btn_fangda", "btn_up_month",
                           "btn_next_month", "btn_today"})
    optional.emplace_back("name=\"" + name + "\"", "name=\"gone_" + name + "\"");
  auto const [fine, quiet] = run(optional);
  EXPECT_EQ(fine, 0) << quiet;
  EXPECT_TRUE(fs::exists(folder / "shot.png"));
}

TEST_F(ElsewhereTest, AMalformedSkinNamesTheFileAndLine) {
  fs::create_directories(folder / "skin");
  std::ofstream(folder / "skin" / "main.xml") << "<?xml version=\"1.0\"?>\n<Window size=\"336,494\">\n<Label\n";
  CPaintManagerUI::SetInstancePath("");
  InstallHost(nullptr);
  testing::internal::CaptureStderr();
  int const status = app::RunWidget({std::nullopt, (folder / "shot.png").string(), {}});
  auto const err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("main.xml"), std::string::npos) << err;
}

}  // namespace
