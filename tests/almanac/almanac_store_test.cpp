#include <cstring>

#include "almanac/cpp_sqlite3.h"
#include "almanac_test_fixture.h"
#include "lunar/festival_lookup.h"

namespace {

// GBK bytes of a few words, stored as the real file stores them.
constexpr const char* kJiSi = "\xBC\xC0\xEC\xEB";  // 祭祀
constexpr const char* kQiFu = "\xC6\xED\xB8\xA3";  // 祈福
constexpr const char* kJiSiHex = "BCC0ECEB";
constexpr const char* kQiFuHex = "C6EDB8A3";

class YiJiTest : public AlmanacStoreTest {
 protected:
  void SetUp() override {
    AlmanacStoreTest::SetUp();
    Db(std::string("create table keytable (id text, key text);") +
       "insert into keytable values ('1', cast(X'" + kJiSiHex + "' as text));" +
       "insert into keytable values ('2', cast(X'" + kQiFuHex + "' as text));" +
       "insert into keytable values ('3', 'three');" +
       "create table yijitable (id text, yi text, ji text);");
  }
  void Day(const char* key, const char* yi, const char* ji) {
    Db(std::string("insert into yijitable values ('") + key + "', " + yi + ", " + ji + ")");
  }
  std::string Words(bool yi, DateTimeRecord date) {
    std::string out = "[";
    EXPECT_TRUE(QueryYiJi(out, yi, date));
    return out;
  }
};

TEST_F(YiJiTest, ThreeOrMoreIdsGiveTwoWordsEachFollowedByASpace) {
  Day("20150505", "'1,2,3'", "'3,1,2,9'");
  EXPECT_EQ(Words(true, Date(2015, 5, 5)), std::string("[") + kJiSi + " " + kQiFu + " ");
  EXPECT_EQ(Words(false, Date(2015, 5, 5)), std::string("[three ") + kJiSi + " ");
}

TEST_F(YiJiTest, OneOrTwoIdsGiveTheFirstWordAlone) {
  Day("20150505", "'2,1'", "',3,'");
  EXPECT_EQ(Words(true, Date(2015, 5, 5)), std::string("[") + kQiFu);
  EXPECT_EQ(Words(false, Date(2015, 5, 5)), "[three");
}

TEST_F(YiJiTest, NothingToAppendStillSucceeds) {
  Day("20150505", "''", "',,,'");
  Day("20150506", "null", "'9'");
  EXPECT_EQ(Words(true, Date(2015, 5, 5)), "[");
  EXPECT_EQ(Words(false, Date(2015, 5, 5)), "[");
  EXPECT_EQ(Words(true, Date(2015, 5, 6)), "[");   // NULL list
  EXPECT_EQ(Words(false, Date(2015, 5, 6)), "[");  // id without a word
  EXPECT_EQ(Words(true, Date(2015, 5, 7)), "[");   // no row
}

TEST_F(YiJiTest, AnIdWithoutAWordDoesNotStopTheOther) {
  Day("20150505", "'9,2,1'", "'1'");
  EXPECT_EQ(Words(true, Date(2015, 5, 5)), std::string("[") + kQiFu + " ");
}

TEST_F(YiJiTest, AnIdWithAQuoteCannotBreakTheStatement) {
  Day("20150505", "'1'' or ''1''=''1,x,y'", "''");
  EXPECT_EQ(Words(true, Date(2015, 5, 5)), "[");
}

TEST_F(AlmanacStoreTest, MissingFileAnswersNoAndTouchesNothing) {
  std::string text = "kept", festival = "f", picpath = "p", holidays = "h";
  char name[18] = "kept";
  EXPECT_FALSE(QueryYiJi(text, true, Date(2015, 1, 1)));
  EXPECT_FALSE(QueryFestival(Date(2015, 1, 1), text));
  EXPECT_FALSE(QueryFestivalDay(Date(2015, 10, 1), festival, picpath, holidays));
  EXPECT_FALSE(QueryWorkedDay(Date(2015, 10, 10)));
  EXPECT_FALSE(QueryRestDay(Date(2015, 10, 1)));
  EXPECT_FALSE(QueryGregorianFestival("11", name));
  EXPECT_FALSE(QueryLunarFestival("11", name));
  EXPECT_EQ(text + festival + picpath + holidays + name, "keptfphkept");
  EXPECT_FALSE(std::filesystem::exists(dbPath));
}

TEST_F(AlmanacStoreTest, DatabasePathIsBesideTheExecutable) {
  EXPECT_EQ(GetAlmanacDbPath(), dbPath);
  platform::SetExecutablePathOverride("wannianli");
  EXPECT_EQ(GetAlmanacDbPath(), "yiji.db");
}

TEST_F(AlmanacStoreTest, FestivalTooltipEndsWithItsKey) {
  Db("create table festivaltable (datetime text, festival text);"
     "insert into festivaltable values ('1225', 'tip');"
     "insert into festivaltable values ('111', '');"
     "insert into festivaltable values ('101', null);");
  std::string out;
  EXPECT_TRUE(QueryFestival(Date(2015, 12, 25), out));
  EXPECT_EQ(out, "tip 1225");
  out.clear();
  QueryFestival(Date(2015, 1, 11), out);
  EXPECT_EQ(out, " 111");
  out.clear();
  QueryFestival(Date(2015, 11, 1), out);  // shares the key with 11 January
  EXPECT_EQ(out, " 111");
  out = "old";
  QueryFestival(Date(2015, 10, 1), out);
  EXPECT_EQ(out, "old 101");
  out = "old";
  EXPECT_TRUE(QueryFestival(Date(2015, 3, 3), out));
  EXPECT_EQ(out, "old");
}

class FestivalNameTest : public AlmanacStoreTest {
 protected:
  void SetUp() override {
    AlmanacStoreTest::SetUp();
    Db("create table gregtable (monthday text, festival text);"
       "insert into gregtable values ('11', '元旦');"
       "insert into gregtable values ('1225', '圣诞节圣诞节圣诞节');"  // 27 bytes
       "insert into gregtable values ('101', null);"
       "create table tradtable (monthday text, festival text);"
       "insert into tradtable values ('正月初一', '春节');");
  }
};

TEST_F(FestivalNameTest, NamesAreCopiedOnlyWhenARowExists) {
  char out[18] = {};
  EXPECT_TRUE(QueryGregorianFestival("11", out));
  EXPECT_STREQ(out, "元旦");
  char untouched[18] = "x";
  EXPECT_TRUE(QueryGregorianFestival("12", untouched));
  EXPECT_STREQ(untouched, "x");
  EXPECT_TRUE(QueryGregorianFestival("101", untouched));
  EXPECT_STREQ(untouched, "");
  char lunar[18] = {};
  EXPECT_TRUE(QueryLunarFestival("\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB", lunar));  // GBK 正月初一
  EXPECT_STREQ(lunar, "春节");
}

TEST_F(FestivalNameTest, LongNameIsCutAtACharacterBoundary) {
  char out[20];
  std::memset(out, '#', sizeof out);
  QueryGregorianFestival("1225", out);
  EXPECT_STREQ(out, "圣诞节圣诞");  // 15 bytes: a sixth character would need 18
  EXPECT_EQ(out[18], '#');
}

TEST_F(FestivalNameTest, HostileOrOverLongKeysFindNothing) {
  char out[18] = "x";
  EXPECT_TRUE(QueryGregorianFestival("11' or '1'='1", out));
  EXPECT_TRUE(QueryGregorianFestival(std::string(5000, '1').c_str(), out));
  EXPECT_TRUE(QueryLunarFestival(nullptr, out));
  EXPECT_STREQ(out, "x");
}

TEST_F(FestivalNameTest, ConnectInstallsBothLookups) {
  SetFestivalLookups({});
  ConnectFestivalLookups();
  const FestivalLookups& lookups = GetFestivalLookups();
  ASSERT_NE(lookups.gregorian, nullptr);
  ASSERT_NE(lookups.lunar, nullptr);
  char out[18] = {};
  lookups.gregorian("11", out);
  EXPECT_STREQ(out, "元旦");
  lookups.lunar("\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB", out);
  EXPECT_STREQ(out, "春节");
  SetFestivalLookups({});
}

TEST_F(AlmanacStoreTest, BrokenFilesThrowWithoutChangingTheFile) {
  struct Case {
    const char* name;
    std::string sql;  // empty: write `bytes` instead
    std::string bytes;
  };
  const Case cases[] = {
      {"zero bytes", "", ""},
      {"random bytes", "", std::string(3000, '\x5a') + "\x01\x02"},
      {"not a database", "", "SQLite format 3\0 but then nothing sensible"},
      {"missing table", "create table keytable (id text, key text);", ""},
      {"missing column", "create table yijitable (id text, ji text);"
                         "insert into yijitable values ('20150101', '1');", ""},
  };
  for (const Case& bad : cases) {
    SCOPED_TRACE(bad.name);
    std::filesystem::remove(dbPath);
    if (bad.sql.empty()) {
      WriteBytes(dbPath, bad.bytes);
    } else {
      Db(bad.sql);
    }
    std::string before = ReadBytes(dbPath);
    std::string out = "kept";
    EXPECT_THROW(QueryYiJi(out, true, Date(2015, 1, 1)), CppSQLite3Exception);
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(ReadBytes(dbPath), before);
  }
}

TEST_F(AlmanacStoreTest, ReplacedFileIsSeenByTheNextCall) {
  Db("create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'old');");
  char out[18] = {};
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "old");

  std::string fresh = dir.File("fresh.db");
  RunSql(fresh, "create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'new');");
  std::filesystem::rename(fresh, dbPath);
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "new");

  RunSql(dbPath, "update gregtable set festival = 'edited'");
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "edited");

  std::filesystem::remove(dbPath);
  EXPECT_FALSE(QueryGregorianFestival("11", out));
}

TEST_F(AlmanacStoreTest, ReplacementOfTheSameSizeAndTimeIsSeenToo) {
  Db("create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'aaa');");
  char out[18] = {};
  QueryGregorianFestival("11", out);
  std::string fresh = dir.File("fresh.db");
  RunSql(fresh, "create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'bbb');");
  ASSERT_EQ(std::filesystem::file_size(fresh), std::filesystem::file_size(dbPath));
  std::filesystem::last_write_time(fresh, std::filesystem::last_write_time(dbPath));
  std::filesystem::rename(fresh, dbPath);
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "bbb");
}

}  // namespace
