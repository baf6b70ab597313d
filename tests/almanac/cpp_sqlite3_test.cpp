#include "almanac/cpp_sqlite3.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_db.h"

namespace {

// Runs `body`, which must throw CppSQLite3Exception, and returns the message.
template <typename Body>
std::string MessageOf(Body body) {
  try {
    body();
  } catch (const CppSQLite3Exception& error) {
    return error.ErrorMessage();
  }
  ADD_FAILURE() << "no CppSQLite3Exception";
  return {};
}

class CppSQLite3Test : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string path = dir.File("test.db");

  void SetUp() override {
    RunSql(path,
           "create table festival (monthday text, festival text, note text);"
           "insert into festival values ('11', 'first', null);"
           "insert into festival values ('101', 'second', 'x');");
  }
};

TEST(CppSQLite3Exception, CodeNamesAndMessageFormat) {
  EXPECT_STREQ(CppSQLite3Exception::CodeName(0), "SQLITE_OK");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(25), "SQLITE_RANGE");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(26), "UNKNOWN_ERROR");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(-1), "UNKNOWN_ERROR");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(100), "SQLITE_ROW");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(101), "SQLITE_DONE");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(266), "UNKNOWN_ERROR");
  EXPECT_STREQ(CppSQLite3Exception::CodeName(1000), "CPPSQLITE_ERROR");

  CppSQLite3Exception error(5, "database is locked");
  EXPECT_STREQ(error.ErrorMessage(), "SQLITE_BUSY[5]: database is locked");
  CppSQLite3Exception copy(error);
  EXPECT_STREQ(copy.ErrorMessage(), "SQLITE_BUSY[5]: database is locked");
  EXPECT_NE(copy.ErrorMessage(), error.ErrorMessage());  // each copy owns its text
  EXPECT_STREQ(CppSQLite3Exception(1, nullptr).ErrorMessage(), "SQLITE_ERROR[1]: ");
}

TEST_F(CppSQLite3Test, ReadsRowsByColumnNameAndNullAsEmptyText) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival order by monthday");
  ASSERT_FALSE(query.AtEnd());
  EXPECT_STREQ(query.ColumnText("monthday"), "101");
  EXPECT_EQ(query.ColumnIndex("note"), 2);
  query.Advance();
  ASSERT_FALSE(query.AtEnd());
  EXPECT_STREQ(query.ColumnText("note"), "");
  query.Advance();
  EXPECT_TRUE(query.AtEnd());
  query.Advance();  // stays at the end rather than starting over
  EXPECT_TRUE(query.AtEnd());
  query.Finalize();
  db.Close();
}

TEST_F(CppSQLite3Test, EmptyResultStillKnowsItsColumns) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival where monthday='999'");
  EXPECT_TRUE(query.AtEnd());
  EXPECT_EQ(query.ColumnIndex("festival"), 1);
  EXPECT_STREQ(query.ColumnText("festival"), "");
}

TEST_F(CppSQLite3Test, ColumnNamesAreExactAndCaseSensitive) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival");
  EXPECT_EQ(MessageOf([&] { query.ColumnIndex("Festival"); }), "CPPSQLITE_ERROR[1000]: Invalid field name requested");
  EXPECT_EQ(MessageOf([&] { query.ColumnText(nullptr); }), "CPPSQLITE_ERROR[1000]: Invalid field name requested");
}

TEST_F(CppSQLite3Test, FinalizedQueryRefusesEveryReadButFinalize) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival");
  query.Finalize();
  query.Finalize();
  const std::string nullVm = "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer";
  EXPECT_EQ(MessageOf([&] { query.AtEnd(); }), nullVm);
  EXPECT_EQ(MessageOf([&] { query.ColumnText("festival"); }), nullVm);
  EXPECT_EQ(MessageOf([&] { query.Advance(); }), nullVm);
  db.Close();
  db.Close();
}

TEST_F(CppSQLite3Test, AssignmentTakesTheStatementOver) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select * from festival where monthday='11'");
  CppSQLite3Query fresh = db.RunQuery("select * from festival where monthday='101'");
  query = std::move(fresh);
  EXPECT_STREQ(query.ColumnText("festival"), "second");
  EXPECT_THROW(fresh.AtEnd(), CppSQLite3Exception);  // NOLINT(bugprone-use-after-move): left without a statement
  query.Finalize();
  db.Close();  // succeeds only when no statement was left behind
  EXPECT_FALSE(db.IsOpen());
}

TEST_F(CppSQLite3Test, OnlyTheFirstOfSeveralStatementsRuns) {
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  CppSQLite3Query query = db.RunQuery("select festival from festival where monthday='11'; drop table festival");
  EXPECT_STREQ(query.ColumnText("festival"), "first");
  query.Finalize();
  EXPECT_FALSE(db.RunQuery("select * from festival").AtEnd());
}

TEST_F(CppSQLite3Test, StatementsGoFromGbkToUtf8) {
  RunSql(path, "create table tradtable (monthday text, festival text);"
               "insert into tradtable values ('正月初一', '春节');");
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  // 正月初一 in GBK.
  CppSQLite3Query query = db.RunQuery("select * from tradtable where monthday='\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB'");
  ASSERT_FALSE(query.AtEnd());
  EXPECT_STREQ(query.ColumnText("festival"), "春节");
}

TEST_F(CppSQLite3Test, LongStatementsAndPathsAreNeitherCutNorRefused) {
  std::string longKey(2000, '9');
  CppSQLite3DB db(1000);
  std::string deep = dir.File(std::string(200, 'd'));
  std::filesystem::create_directory(deep);
  std::string longPath = deep + "/" + std::string(200, 'f') + ".db";
  RunSql(longPath, "create table t (k text); insert into t values ('" + longKey + "');");
  db.Open(longPath.c_str());
  EXPECT_FALSE(db.RunQuery(("select * from t where k='" + longKey + "'").c_str()).AtEnd());
  EXPECT_TRUE(db.RunQuery(("select * from t where k='" + longKey.substr(1) + "'").c_str()).AtEnd());
}

TEST(CppSQLite3DB, UseBeforeOpenIsRefused) {
  CppSQLite3DB db(1000);
  EXPECT_EQ(MessageOf([&] { db.RunQuery("select 1"); }), "CPPSQLITE_ERROR[1000]: Database not open");
  EXPECT_EQ(MessageOf([&] { db.Compile("select 1"); }), "CPPSQLITE_ERROR[1000]: Database not open");
  db.Close();
}

TEST(CppSQLite3DB, MissingFileIsNotCreated) {
  ScratchDir dir;
  std::string path = dir.File("missing.db");
  CppSQLite3DB db(1000);
  EXPECT_EQ(MessageOf([&] { db.Open(path.c_str()); }).rfind("SQLITE_CANTOPEN[14]: ", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CppSQLite3DB, BadFilesThrowAndStayUnchanged) {
  ScratchDir dir;
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string random;
  for (int i = 0; i < 4096; ++i) random += static_cast<char>((i * 7919 + 13) % 251);
  for (const Case& bad : {Case{"empty", ""}, Case{"random", random}, Case{"text", "date,kind\n2015-10-01,rest\n"}}) {
    SCOPED_TRACE(bad.name);
    std::string path = dir.File(std::string(bad.name) + ".db");
    WriteBytes(path, bad.bytes);
    CppSQLite3DB db(1000);
    db.Open(path.c_str());
    EXPECT_THROW(db.RunQuery("select * from yijitable where id='20150101'"), CppSQLite3Exception);
    db.Close();
    EXPECT_EQ(ReadBytes(path), bad.bytes);
  }
}

TEST_F(CppSQLite3Test, NothingIsEverWritten) {
  std::string before = ReadBytes(path);
  CppSQLite3DB db(1000);
  db.Open(path.c_str());
  EXPECT_EQ(MessageOf([&] { db.RunQuery("insert into festival values ('1', '2', '3')"); })
                .rfind("SQLITE_READONLY[8]: ", 0),
            0u);
  EXPECT_THROW(db.RunQuery("create table x (y)"), CppSQLite3Exception);
  db.Close();
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(CppSQLite3Test, LockedDatabaseGivesBusyAfterTheTimeout) {
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "begin exclusive; insert into festival values ('2','3','4')", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  CppSQLite3DB db(50);
  db.Open(path.c_str());
  EXPECT_EQ(MessageOf([&] { db.RunQuery("select * from festival"); }).rfind("SQLITE_BUSY[5]: ", 0), 0u);
  sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  EXPECT_FALSE(db.RunQuery("select * from festival").AtEnd());
}

TEST_F(CppSQLite3Test, ConnectionDestroyedBeforeItsQueryLeaksNothing) {
  CppSQLite3Query query;
  {
    CppSQLite3DB db(1000);
    db.Open(path.c_str());
    query = db.RunQuery("select * from festival");
  }
  EXPECT_FALSE(query.AtEnd());
  query.Finalize();  // releases the connection too (checked by LeakSanitizer)
}

}  // namespace
