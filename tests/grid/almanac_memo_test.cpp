// Remembered almanac answers: kept while yiji.db stays the same, forgotten when a batch finds it changed.
#include "grid/almanac_memo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "almanac/almanac_connection.h"
#include "platform/executable_path.h"
#include "tests/almanac/scratch_db.h"

namespace {

using grid::AlmanacMemo;
using grid::RememberedAlmanacLookups;

namespace fs = std::filesystem;

class AlmanacMemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("wannianli-memo-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    platform::SetExecutablePathOverride((folder / "wannianli").string());
  }
  void TearDown() override {
    ReleaseAlmanacConnection();
    platform::SetExecutablePathOverride(std::nullopt);
    fs::remove_all(folder);
  }
  void WriteDb(const std::string& bytes) { std::ofstream(folder / "yiji.db", std::ios::binary) << bytes; }
  fs::path folder;
};

TEST_F(AlmanacMemoTest, AnswersAreAskedOnceWhileTheFileStaysTheSame) {
  WriteDb("one");
  AlmanacMemo<int, int> memo;
  int asked = 0;
  auto ask = [&] { return ++asked * 10; };
  EXPECT_EQ(memo.Get(1, ask), 10);
  EXPECT_EQ(memo.Get(1, ask), 10);
  EXPECT_EQ(memo.Get(2, ask), 20);
  EXPECT_EQ(asked, 2);
}

// A change is noticed by the next batch (a refresh), never between batches: a repaint makes no file-system
// call.
TEST_F(AlmanacMemoTest, AChangedMissingOrNewFileIsAskedAgain) {
  auto const db = (folder / "yiji.db").string();
  RunSql(db, "create table t (a)");
  AlmanacMemo<int, int> memo;
  int asked = 0;
  auto ask = [&] { return ++asked; };
  auto inBatch = [&] {
    AlmanacBatch const batch;
    return memo.Get(1, ask);
  };
  EXPECT_EQ(inBatch(), 1);
  EXPECT_EQ(inBatch(), 1);
  RunSql(db, "insert into t values (1)");
  EXPECT_EQ(memo.Get(1, ask), 1);  // between batches: as the last batch found it
  EXPECT_EQ(inBatch(), 2);
#if defined(_WIN32)
  ReleaseAlmanacConnection();  // Windows does not let a file that the store holds open be removed
#endif
  fs::remove(db);
  EXPECT_EQ(inBatch(), 3);
  EXPECT_EQ(inBatch(), 3);
  RunSql(db, "create table t (a)");
  EXPECT_EQ(inBatch(), 4);
}

TEST_F(AlmanacMemoTest, RememberedLookupsGiveTheInnerAnswersAndOutputs) {
  WriteDb("db");
  grid::AlmanacLookups inner;
  int calls = 0;
  inner.queryYiJi = [&](std::string& out, bool yi, DateTimeRecord) {
    ++calls;
    out += yi ? "嫁娶 " : "动土 ";
    return true;
  };
  inner.queryFestival = [&](const DateTimeRecord& date, std::string& out) {
    ++calls;
    if (date.day == 1) out = "元旦 11";
    return true;
  };
  inner.queryRestDay = [&](const DateTimeRecord& date) {
    ++calls;
    return date.day == 1;
  };
  auto const remembered = RememberedAlmanacLookups(inner);
  DateTimeRecord const newYear{2015, 1, 1, 0, 0, 0};
  DateTimeRecord const second{2015, 1, 2, 0, 0, 0};
  for (int round = 0; round < 2; ++round) {
    std::string yi = "x", ji, tip = "kept";
    EXPECT_TRUE(remembered.queryYiJi(yi, true, newYear));
    EXPECT_TRUE(remembered.queryYiJi(ji, false, newYear));
    EXPECT_EQ(yi, "x嫁娶 ");
    EXPECT_EQ(ji, "动土 ");
    EXPECT_TRUE(remembered.queryFestival(second, tip));
    EXPECT_EQ(tip, "kept");  // no row: untouched
    EXPECT_TRUE(remembered.queryFestival(newYear, tip));
    EXPECT_EQ(tip, "元旦 11");
    EXPECT_TRUE(remembered.queryRestDay(newYear));
    EXPECT_FALSE(remembered.queryRestDay(second));
  }
  EXPECT_EQ(calls, 6);
}

}  // namespace
