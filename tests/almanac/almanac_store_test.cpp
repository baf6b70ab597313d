#include <cstring>

#include "almanac/cpp_sqlite3.h"
#include "almanac_test_fixture.h"
#include "lunar/festival_lookup.h"

namespace {

constexpr const char* kJiSi = "\xBC\xC0\xEC\xEB";  // 祭祀 in GBK, as the real file stores it
constexpr const char* kGbkZhengYueChuYi = "\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB";  // 正月初一

class YiJiTest : public AlmanacStoreTest {
 protected:
  void SetUp() override {
    AlmanacStoreTest::SetUp();
    Db("create table keytable (id text, key text);"
       "insert into keytable values ('1', cast(X'BCC0ECEB' as text)), ('2', 'two'), ('3', 'three');"
       "create table yijitable (id text, yi text, ji text);"
       "insert into yijitable values ('20150505', '1,2,3', '9,2,1'), ('20150506', '2,1', ',3,'),"
       "  ('20150507', ',,,', null), ('20150508', '1'' or ''1''=''1,x,y', '9');");
  }
  std::string Words(bool yi, int day) {
    std::string out = "[";
    EXPECT_TRUE(QueryYiJi(out, yi, Date(2015, 5, day)));
    return out;
  }
};

TEST_F(YiJiTest, ThreeOrMoreIdsGiveTwoWordsOneOrTwoGiveTheFirst) {
  EXPECT_EQ(Words(true, 5), std::string("[") + kJiSi + " two ");
  EXPECT_EQ(Words(false, 5), "[two ");  // id 9 has no word and no space
  EXPECT_EQ(Words(true, 6), "[two");
  EXPECT_EQ(Words(false, 6), "[three");
}

TEST_F(YiJiTest, EmptyListsMissingWordsAndHostileIdsAppendNothing) {
  EXPECT_EQ(Words(true, 7), "[");
  EXPECT_EQ(Words(false, 7), "[");  // NULL
  EXPECT_EQ(Words(false, 8), "[");
  EXPECT_EQ(Words(true, 8), "[");  // a quote in an id cannot end the statement's literal
  EXPECT_EQ(Words(true, 9), "[");  // no row
}

TEST_F(YiJiTest, EveryWordOfTheDayInStoredOrder) {
  auto all = [](bool yi, int day) {
    std::vector<std::string> words{"kept"};
    EXPECT_TRUE(QueryYiJiWords(words, yi, Date(2015, 5, day)));
    return words;
  };
  EXPECT_EQ(all(true, 5), (std::vector<std::string>{"kept", kJiSi, "two", "three"}));
  EXPECT_EQ(all(false, 5), (std::vector<std::string>{"kept", "two", kJiSi}));  // id 9 has no word
  EXPECT_EQ(all(false, 7), std::vector<std::string>{"kept"});
  EXPECT_EQ(all(true, 9), std::vector<std::string>{"kept"});  // no row
}

TEST_F(AlmanacStoreTest, MissingFileAnswersNoAndTouchesNothing) {
  std::string text = "kept", festival = "f", picpath = "p", holidays = "h";
  char name[18] = "kept";
  EXPECT_FALSE(QueryYiJi(text, true, Date(2015, 1, 1)));
  std::vector<std::string> words;
  EXPECT_FALSE(QueryYiJiWords(words, true, Date(2015, 1, 1)));
  EXPECT_TRUE(words.empty());
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

TEST_F(AlmanacStoreTest, FestivalTooltipIsTheTextAloneWithoutItsMonthDayKey) {
  Db("create table festivaltable (datetime text, festival text);"
     "insert into festivaltable values ('1225', 'tip'), ('111', ''), ('101', null);");
  std::string out;
  QueryFestival(Date(2015, 12, 25), out);
  EXPECT_EQ(out, "tip");
  out.clear();
  QueryFestival(Date(2015, 11, 1), out);  // 1 November and 11 January share "111"
  EXPECT_EQ(out, "");
  out = "old";
  QueryFestival(Date(2015, 10, 1), out);
  EXPECT_EQ(out, "old");
}

class FestivalNameTest : public AlmanacStoreTest {
 protected:
  void SetUp() override {
    AlmanacStoreTest::SetUp();
    Db("create table gregtable (monthday text, festival text);"
       "insert into gregtable values ('11', '元旦'), ('1225', '圣诞节圣诞节圣诞节'), ('101', null);"
       "create table tradtable (monthday text, festival text);"
       "insert into tradtable values ('正月初一', '春节');");
  }
};

TEST_F(FestivalNameTest, NameIsCopiedOnlyWhenARowExistsAndCutAtACharacterBoundary) {
  char out[20];
  std::memset(out, '#', sizeof out);
  QueryGregorianFestival("1225", out);
  EXPECT_STREQ(out, "圣诞节圣诞");  // 15 bytes: the sixth character would need 18
  EXPECT_EQ(out[18], '#');
  char kept[18] = "x";
  for (const char* key : {"12", "11' or '1'='1", static_cast<const char*>(nullptr)}) {
    EXPECT_TRUE(QueryGregorianFestival(key, kept));
  }
  EXPECT_TRUE(QueryLunarFestival(std::string(5000, '1').c_str(), kept));
  EXPECT_STREQ(kept, "x");
}

TEST_F(FestivalNameTest, ConnectedLookupsServeTheEngineWithGbkKeys) {
  ConnectFestivalLookups();
  const FestivalLookups& lookups = GetFestivalLookups();
  ASSERT_NE(lookups.gregorian, nullptr);
  ASSERT_NE(lookups.lunar, nullptr);
  char out[18] = {};
  lookups.gregorian("11", out);
  EXPECT_STREQ(out, "元旦");
  lookups.lunar(kGbkZhengYueChuYi, out);
  EXPECT_STREQ(out, "春节");
  SetFestivalLookups({});
}

TEST_F(AlmanacStoreTest, BrokenFilesThrowWithoutChangingTheFile) {
#if defined(_WIN32)
  GTEST_SKIP() << "Windows does not let a database file that the store holds open be removed or replaced";
#endif
  const std::string notes[] = {"zero bytes", "random bytes", "missing table", "missing column"};
  const std::string setups[] = {"", std::string(3000, '\x5a'), "create table keytable (id text, key text);",
                                "create table yijitable (id text, ji text); insert into yijitable values ('20150101', '1');"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(notes[i]);
    std::filesystem::remove(dbPath);
    i < 2 ? WriteBytes(dbPath, setups[i]) : Db(setups[i]);
    std::string before = ReadBytes(dbPath), out = "kept";
    EXPECT_THROW(QueryYiJi(out, true, Date(2015, 1, 1)), CppSQLite3Exception);
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(ReadBytes(dbPath), before);
  }
}

TEST_F(AlmanacStoreTest, EveryCallSeesTheFilesCurrentContent) {
#if defined(_WIN32)
  GTEST_SKIP() << "Windows does not let a database file that the store holds open be removed or replaced";
#endif
  Db("create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'old');");
  char out[18] = {};
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "old");
  std::string fresh = dir.File("fresh.db");
  RunSql(fresh, "create table gregtable (monthday text, festival text); insert into gregtable values ('11', 'new');");
  std::filesystem::last_write_time(fresh, std::filesystem::last_write_time(dbPath));  // same size and time
  std::filesystem::rename(fresh, dbPath);
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "new");
  Db("update gregtable set festival = 'edited'");
  QueryGregorianFestival("11", out);
  EXPECT_STREQ(out, "edited");
  std::filesystem::remove(dbPath);
  EXPECT_FALSE(QueryGregorianFestival("11", out));
}

}  // namespace
