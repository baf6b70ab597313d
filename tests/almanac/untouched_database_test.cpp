// yiji.db as other programs leave it: locked by a writer, in WAL mode, with a hot journal, on read-only
// media, empty, with bytes that are not UTF-8, gone in the middle of a batch. The store reads what it can,
// fails at once where it cannot, and never creates, changes or deletes a file beside the database.
#include <chrono>
#include <cstdio>
#include <set>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_connection.h"
#include "almanac/cpp_sqlite3.h"
#include "almanac_test_fixture.h"
#include "lock_holder.h"
#include "message_of.h"

#if !defined(_WIN32)
#include <sys/mount.h>
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

constexpr const char* kNames = "create table gregtable (monthday text primary key, festival text);"
                               "insert into gregtable values ('11', 'yuandan');";

class UntouchedTest : public AlmanacStoreTest {
 protected:
  void TearDown() override {
    ReleaseAlmanacConnection();
    AlmanacStoreTest::TearDown();
  }
  fs::path Folder() const { return fs::path(dbPath).parent_path(); }
  std::string Name(const char* key) {
    char out[18] = {};
    QueryGregorianFestival(key, out);
    return out;
  }
};

TEST_F(UntouchedTest, AWalDatabaseIsReadWithoutAnyFileBesideIt) {
  Db(std::string("pragma journal_mode=wal;") + kNames);
  const auto before = Listing(Folder());
  const std::string bytes = ReadBytes(dbPath);
  EXPECT_EQ(before, (std::set<std::string>{"yiji.db"}));
  EXPECT_EQ(Name("11"), "yuandan");
  EXPECT_EQ(Listing(Folder()), before);
  EXPECT_EQ(ReadBytes(dbPath), bytes);
}

// What a writer that crashed leaves in WAL mode: its log, with or without the log's index.
TEST_F(UntouchedTest, ALogLeftBehindIsReadThroughItsIndexOrRefused) {
  const std::string source = dir.File("source.db");
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(source.c_str(), &writer), SQLITE_OK);
  sqlite3_exec(writer, "pragma journal_mode=wal; pragma wal_autocheckpoint=0;", nullptr, nullptr, nullptr);
  sqlite3_exec(writer, kNames, nullptr, nullptr, nullptr);  // committed to the log only
  for (const char* suffix : {"", "-wal", "-shm"}) fs::copy_file(source + suffix, dbPath + suffix);
  sqlite3_close(writer);
  const auto listing = Listing(Folder());
  const std::string log = ReadBytes(dbPath + "-wal");
  EXPECT_EQ(Name("11"), "yuandan");
  EXPECT_EQ(Listing(Folder()), listing);
  EXPECT_EQ(ReadBytes(dbPath + "-wal"), log);
  ReleaseAlmanacConnection();
  fs::remove(dbPath + "-shm");
  EXPECT_EQ(MessageOf([&] { Name("11"); }).rfind("SQLITE_CANTOPEN[14]: its write-ahead log (-wal) has no", 0), 0u);
  EXPECT_EQ(Listing(Folder()), (std::set<std::string>{"source.db", "yiji.db", "yiji.db-wal"}));
}

#if !defined(_WIN32)
TEST_F(UntouchedTest, AWritersLocksNeverHoldALookUpLong) {
  for (bool wal : {false, true}) {
    SCOPED_TRACE(wal ? "WAL" : "rollback journal");
    ReleaseAlmanacConnection();
    fs::remove(dbPath);
    Db(std::string(wal ? "pragma journal_mode=wal;" : "") + kNames);
    {
      // A reserved lock (a write under way) leaves reading free in either mode.
      LockHolder writer(dbPath, "begin immediate; insert into gregtable values ('12', 'pending');");
      ASSERT_TRUE(writer.held);
      EXPECT_EQ(Name("11"), "yuandan");
      EXPECT_EQ(Name("12"), "");
    }
    LockHolder writer(dbPath, "begin exclusive; insert into gregtable values ('12', 'pending');");
    ASSERT_TRUE(writer.held);
    const auto listing = Listing(Folder());
    const auto start = std::chrono::steady_clock::now();
    {
      AlmanacBatch batch;
      if (wal) {
        EXPECT_EQ(Name("11"), "yuandan");  // a WAL reader is never locked out
      } else {
        // The refresh gives up after its short wait, and its other look-ups fail at once.
        for (int i = 0; i < 3; ++i) EXPECT_EQ(MessageOf([&] { Name("11"); }), "SQLITE_BUSY[5]: database is locked");
      }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(Listing(Folder()), listing);
    writer.Release();
    EXPECT_EQ(Name("11"), "yuandan");  // the next batch tries again
  }
}

TEST_F(UntouchedTest, AHotJournalStaysAsItIsAndIsReported) {
  Db("create table gregtable (monthday text, festival text);"
     "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000)"
     "  insert into gregtable select i, printf('%0100d', i) from n;");
  {
    // A writer that dies in the middle of a transaction too big for its cache leaves a hot journal.
    LockHolder writer(dbPath, "pragma cache_size = 1; begin; update gregtable set festival = 'x';");
    ASSERT_TRUE(writer.held);
    writer.Kill();
  }
  ASSERT_TRUE(fs::exists(dbPath + "-journal"));
  const std::string journal = ReadBytes(dbPath + "-journal"), bytes = ReadBytes(dbPath);
  const std::string message = MessageOf([&] { Name("11"); });
  EXPECT_EQ(message.rfind("SQLITE_READONLY[8]: a hot journal", 0), 0u) << message;
  EXPECT_EQ(ReadBytes(dbPath + "-journal"), journal);
  EXPECT_EQ(ReadBytes(dbPath), bytes);
}

// The database on a read-only file system (a tmpfs mounted read-only, where the test may mount one), else
// in a folder without write permission.
TEST_F(UntouchedTest, ADatabaseOnReadOnlyMediaIsRead) {
  const fs::path media = Folder() / "media";
  fs::create_directory(media);
  const bool mounted = mount("tmpfs", media.c_str(), "tmpfs", 0, "size=1m") == 0;
  struct Unmount {
    fs::path folder;
    bool mounted;
    ~Unmount() {
      if (mounted) umount2(folder.c_str(), MNT_DETACH);
    }
  } const unmount{media, mounted};
  const char* const kinds[] = {"rollback", "wal"};
  for (const char* kind : kinds) {
    fs::create_directory(media / kind);
    RunSql((media / kind / "yiji.db").string(), std::string(kind == kinds[1] ? "pragma journal_mode=wal;" : "") + kNames);
  }
  if (mounted) {
    mount(nullptr, media.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
  } else {
    for (const char* kind : kinds) chmod((media / kind).c_str(), 0555);
  }
  if (std::FILE* probe = std::fopen((media / "wal" / "probe").c_str(), "w")) {
    std::fclose(probe);
    fs::permissions(media / "wal", fs::perms::owner_all);
    fs::permissions(media / "rollback", fs::perms::owner_all);
    GTEST_SKIP() << "cannot make read-only media here (no mount, and root writes past a folder's mode)";
  }
  for (const char* kind : kinds) {
    SCOPED_TRACE(kind);
    platform::SetExecutablePathOverride((media / kind / "wannianli").string());
    const auto listing = Listing(media / kind);
    EXPECT_EQ(Name("11"), "yuandan");
    EXPECT_EQ(Listing(media / kind), listing);
  }
  ReleaseAlmanacConnection();
  if (!mounted) {
    for (const char* kind : kinds) chmod((media / kind).c_str(), 0755);
  }
}
#endif

TEST_F(UntouchedTest, FestivalNamesAreValidUtf8) {
  Db("create table gregtable (monthday text, festival text);"
     "insert into gregtable values ('11', cast(X'E58583FF' || X'E697A6' as text));");  // 元, a bad byte, 旦
  EXPECT_EQ(Name("11"), "\xE5\x85\x83\xEF\xBF\xBD\xE6\x97\xA6");
}

TEST_F(UntouchedTest, BrokenFilesGiveOneMessageThatSaysWhatIsWrong) {
  std::string festival, picpath, holidays;
  WriteBytes(dbPath, "");
  for (int i = 0; i < 2; ++i) {  // every look-up, the same one message
    EXPECT_EQ(MessageOf([&] { Name("11"); }), "SQLITE_NOTADB[26]: file is empty (0 bytes), not an almanac database");
    EXPECT_EQ(MessageOf([&] { QueryFestivalDay(Date(2015, 1, 1), festival, picpath, holidays); }),
              "SQLITE_NOTADB[26]: file is empty (0 bytes), not an almanac database");
  }
  EXPECT_EQ(ReadBytes(dbPath), "");
  WriteBytes(dbPath, std::string(4096, 'x'));
  EXPECT_EQ(MessageOf([&] { Name("11"); }), "SQLITE_NOTADB[26]: file is not a database");
  fs::remove(dbPath);
  Db("create table festable2018 (datetime text, festival text, holidays text);");
  EXPECT_EQ(MessageOf([&] { QueryRestDay(Date(2018, 1, 1)); }),
            "CPPSQLITE_ERROR[1000]: Invalid field name requested: no column \"picpath\" in table festable2018");
}

#if !defined(_WIN32)
TEST_F(UntouchedTest, AFileThatGoesInTheMiddleOfABatchIsNoticedOnce) {
  Db(kNames);
  AlmanacBatch batch(kCommandBusyWaitMs);
  EXPECT_EQ(Name("11"), "yuandan");
  EXPECT_FALSE(batch.NoticeFileGone());
  fs::remove(dbPath);
  EXPECT_EQ(Name("11"), "yuandan");  // the batch reads what it began with
  EXPECT_TRUE(batch.NoticeFileGone());
  char out[18] = "kept";
  EXPECT_FALSE(QueryGregorianFestival("11", out));
  EXPECT_STREQ(out, "kept");
  EXPECT_FALSE(batch.NoticeFileGone());
}
#endif

}  // namespace
