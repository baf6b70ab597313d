#include "almanac/cpp_sqlite3.h"

#include <gtest/gtest.h>

#include "message_of.h"
#include "scratch_db.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

class CppSQLite3Test : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string path = dir.File("test.db");
  CppSQLite3DB db{1000};

  void SetUp() override {
    RunSql(path, "create table festival (monthday text, festival text, note text);"
                 "insert into festival values ('11', 'first', null), ('101', 'second', 'x');");
    db.Open(path.c_str());
  }
};

TEST(CppSQLite3Exception, NamesItsCodeInTheMessage) {
  EXPECT_STREQ(CppSQLite3Exception::CodeName(25), "SQLITE_RANGE");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(101), "SQLITE_DONE");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(1000), "CPPSQLITE_ERROR");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(26), "SQLITE_NOTADB");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(28), "SQLITE_WARNING");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(266), "SQLITE_IOERR");  // SQLITE_IOERR_READ, by its family
  for (int unknown : {-1, 29, 99, 102, 256, 0x10005}) EXPECT_STREQ(CppSQLite3Exception::CodeName(unknown), "UNKNOWN_ERROR");
  CppSQLite3Exception error(5, "database is locked");
  CppSQLite3Exception copy(error);
  EXPECT_STREQ(copy.ErrorMessage(), "SQLITE_BUSY[5]: database is locked");
  EXPECT_STREQ(CppSQLite3Exception(1, nullptr).ErrorMessage(), "SQLITE_ERROR[1]: ");
}

TEST_F(CppSQLite3Test, ReadsRowsByExactColumnNameWithNullAsEmptyText) {
  CppSQLite3Query query = db.RunQuery("select * from festival order by monthday");
  EXPECT_STREQ(query.ColumnText("monthday"), "101");
  query.Advance();
  EXPECT_STREQ(query.ColumnText("note"), "");
  EXPECT_EQ(MessageOf([&] { query.ColumnIndex("Festival"); }),
            "CPPSQLITE_ERROR[1000]: Invalid field name requested: no column \"Festival\"");
  EXPECT_THROW(query.ColumnText(nullptr), CppSQLite3Exception);
  query.Advance();
  query.Advance();  // stays at the end instead of starting over
  EXPECT_TRUE(query.AtEnd());
  EXPECT_EQ(query.ColumnIndex("note"), 2);  // names come from the statement, not the row
}

TEST_F(CppSQLite3Test, QueryWithoutStatementRefusesEverythingButFinalize) {
  CppSQLite3Query query = db.RunQuery("select * from festival");
  CppSQLite3Query taker = db.RunQuery("select * from festival where monthday='101'");
  taker = std::move(query);  // finalizes taker's own statement first
  EXPECT_STREQ(taker.ColumnText("festival"), "first");
  EXPECT_EQ(MessageOf([&] { query.AtEnd(); }), "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer");
  taker.Finalize();
  taker.Finalize();
  EXPECT_THROW(taker.Advance(), CppSQLite3Exception);
  db.Close();  // fails while any statement is left behind
  db.Close();
  EXPECT_EQ(MessageOf([&] { db.RunQuery("select 1"); }), "CPPSQLITE_ERROR[1000]: Database not open");
}

TEST_F(CppSQLite3Test, AQueryTakenOverReportsTheErrorsOfItsOwnConnection) {
  const std::string other = dir.File("other.db");
  RunSql(other, "create table n (v integer); insert into n values (1), (-9223372036854775807 - 1);");
  CppSQLite3DB otherDb(1000);
  otherDb.Open(other.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival");
  query = otherDb.RunQuery("select abs(v) from n");  // the second row overflows
  EXPECT_EQ(MessageOf([&] { query.Advance(); }), "SQLITE_ERROR[1]: integer overflow");
}

TEST_F(CppSQLite3Test, NothingIsEverWritten) {
  std::string before = ReadBytes(path);
  EXPECT_TRUE(StartsWith(MessageOf([&] { db.RunQuery("insert into festival values (1, 2, 3)"); }), "SQLITE_READONLY[8]: "));
  EXPECT_THROW(db.RunQuery("create table x (y)"), CppSQLite3Exception);
  db.Close();
  EXPECT_EQ(ReadBytes(path), before);

  std::string missing = dir.File("missing.db");
  EXPECT_TRUE(StartsWith(MessageOf([&] { db.Open(missing.c_str()); }), "SQLITE_CANTOPEN[14]: "));
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CppSQLite3Test, LockHeldBeyondTheBusyTimeoutGivesBusy) {
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "begin exclusive; delete from festival", nullptr, nullptr, nullptr), SQLITE_OK);
  CppSQLite3DB waiting(50);
  waiting.Open(path.c_str());
  EXPECT_TRUE(StartsWith(MessageOf([&] { waiting.RunQuery("select * from festival"); }), "SQLITE_BUSY[5]: "));
  sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  EXPECT_FALSE(waiting.RunQuery("select * from festival").AtEnd());
}

TEST_F(CppSQLite3Test, BadFilesThrowAndStayUnchanged) {
  std::string random;
  for (int i = 0; i < 4096; ++i) random += static_cast<char>((i * 7919 + 13) % 251);
  for (const std::string& bytes : {std::string(), random, std::string("SQLite format 3\0garbage", 23)}) {
    WriteBytes(path, bytes);
    CppSQLite3DB bad(1000);
    bad.Open(path.c_str());
    EXPECT_THROW(bad.RunQuery("select * from yijitable"), CppSQLite3Exception);
    EXPECT_EQ(ReadBytes(path), bytes);
  }
}

TEST_F(CppSQLite3Test, ConnectionDestroyedBeforeItsQueryLeaksNothing) {
  CppSQLite3Query query;
  {
    CppSQLite3DB shortLived(1000);
    shortLived.Open(path.c_str());
    query = shortLived.RunQuery("select * from festival");
  }
  EXPECT_STREQ(query.ColumnText("festival"), "first");
  query.Finalize();  // also releases the connection (LeakSanitizer would report it otherwise)
}

}  // namespace
