#include "tools/yiji_builder/almanac_db_writer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "tests/almanac/scratch_db.h"
#include "tools/yiji_builder/build_error.h"

namespace {

// The texts of the first column of every row of `sql`, joined by "|".
std::string Column(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  std::string out;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(statement, 0);
      out += (out.empty() ? "" : "|") + std::string(text ? reinterpret_cast<const char*>(text) : "NULL");
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return out;
}

AlmanacSources SmallSources() {
  AlmanacSources sources;
  sources.words = {"祭祀", "祈福"};
  sources.days = {{{1901, 1, 1}, {1, 2}, {}}, {{2015, 5, 5}, {2}, {1}}};
  sources.gregorianFestivals = {{10, 1, "国庆节", "国庆节说明"}};
  sources.lunarFestivals = {{"正月", "初一", "春节"}};
  sources.holidayTables[2015].festRows = {{{2015, 10, 1}, "国庆节", "fest_guoqing.png", "01,02"}};
  sources.holidayTables[2015].workedDays = {{2015, 10, 10}};
  return sources;
}

TEST(AlmanacDbWriter, WritesTheKeyFormatsAndEncodingsTheStoreReads) {
  ScratchDir dir;
  std::string path = dir.File("yiji.db");
  WriteAlmanacDb(path, SmallSources());
  EXPECT_EQ(Column(path, "select id || ':' || yi || ':' || ji from yijitable order by id"),
            "19010101:1,2:|20150505:2:1");
  EXPECT_EQ(Column(path, "select hex(key) from keytable where id='2'"), "C6EDB8A3");  // 祈福 in GBK
  EXPECT_EQ(Column(path, "select datetime || hex(festival) from festivaltable"), "101B9FAC7ECBDDACBB5C3F7");
  EXPECT_EQ(Column(path, "select monthday || festival from gregtable"), "101国庆节");
  EXPECT_EQ(Column(path, "select festival from tradtable where monthday='正月初一'"), "春节");
  EXPECT_EQ(Column(path, "select datetime || ' ' || hex(festival) || ' ' || picpath || ' ' || holidays from festable2015"),
            "20151001 B9FAC7ECBDDA fest_guoqing.png 01,02");
  EXPECT_EQ(Column(path, "select ban from bantable2015"), "20151010");
}

TEST(AlmanacDbWriter, AFailedBuildLeavesThePreviousFileInPlace) {
  ScratchDir dir;
  std::string path = dir.File("yiji.db");
  WriteAlmanacDb(path, SmallSources());
  std::string before = ReadBytes(path);
  AlmanacSources broken = SmallSources();
  broken.lunarFestivals.push_back({"正月", "初一", "新春"});  // duplicate key
  EXPECT_THROW(WriteAlmanacDb(path, broken), BuildError);
  EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace
