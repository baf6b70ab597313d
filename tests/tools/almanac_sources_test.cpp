#include "tools/yiji_builder/almanac_sources.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/almanac/scratch_db.h"
#include "tools/yiji_builder/build_error.h"

namespace {

class SourcesTest : public ::testing::Test {
 protected:
  ScratchDir dir;

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = dir.File(name);
    WriteBytes(path, text);
    return path;
  }

  // The message of the BuildError that `read` throws.
  template <typename Read>
  std::string Fault(Read read) {
    try {
      read();
    } catch (const BuildError& error) {
      return error.what();
    }
    ADD_FAILURE() << "no BuildError";
    return {};
  }
};

TEST_F(SourcesTest, GregorianFestivalsOnSharedKeysAreRefused) {
  std::string path = Write("g.tsv", "1\t1\t元旦\t新年\n1\t11\t某节\t说明\n");
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("ambiguous Gregorian key"), std::string::npos);
  path = Write("g.tsv", "12\t5\t某节\t说明\n");  // 125 is also 25 January
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("g.tsv:1: ambiguous"), std::string::npos);
  path = Write("g.tsv", "# comment\n10\t1\t国庆节\t说明\n1\t10\t某节\t说明\n12\t25\t圣诞节\t说明\n");
  EXPECT_EQ(ReadGregorianFestivals(path).size(), 3u);  // 110 and 1225 belong to one date each
}

TEST_F(SourcesTest, FestivalSourceFaults) {
  std::string path = Write("g.tsv", "10\t1\t国庆节\t说明\n10\t1\t国庆\t说明\n");
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("duplicate key 101"), std::string::npos);
  path = Write("g.tsv", "10\t1\t中华人民共和国国庆\t说明\n");  // 27 bytes
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("more than 17"), std::string::npos);
  path = Write("g.tsv", "2\t30\t某节\t说明\n");
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("bad month and day"), std::string::npos);
  path = Write("g.tsv", "10\t1\t国庆节\t\xF0\x9F\x8E\x89\n");  // an emoji has no GBK form
  EXPECT_NE(Fault([&] { ReadGregorianFestivals(path); }).find("no GBK form"), std::string::npos);
  path = Write("l.tsv", "正月\t初一\t春节\n正月\t初一\t新春\n");
  EXPECT_NE(Fault([&] { ReadLunarFestivals(path); }).find("duplicate key"), std::string::npos);
  path = Write("l.tsv", "正月\t初一\n");
  EXPECT_NE(Fault([&] { ReadLunarFestivals(path); }).find("expected 3 fields"), std::string::npos);
}

TEST_F(SourcesTest, HolidayScheduleFaults) {
  const std::string header = "date,kind,name,sources\n";
  std::string path = Write("h.csv", header + "2015-10-10,work,国庆节,x\n2015-10-10,rest,国庆节,x\n");
  EXPECT_NE(Fault([&] { ReadHolidayDates(path); }).find("listed twice"), std::string::npos);
  path = Write("h.csv", header + "2015-10-09,work,国庆节,x\n");
  EXPECT_NE(Fault([&] { ReadHolidayDates(path); }).find("h.csv:2: worked day 2015-10-09 is not a Saturday or Sunday"),
            std::string::npos);
  path = Write("h.csv", header + "2015-02-30,rest,春节,x\n");
  EXPECT_NE(Fault([&] { ReadHolidayDates(path); }).find("bad date"), std::string::npos);
  path = Write("h.csv", "2015-10-01,rest,国庆节,x\n");
  EXPECT_NE(Fault([&] { ReadHolidayDates(path); }).find("header"), std::string::npos);
}

TEST_F(SourcesTest, YiJiSourceMustCoverEveryDateOnceWithKnownWords) {
  std::string words = Write("w.txt", "祭祀\n祈福\n");
  EXPECT_EQ(ReadYiJiWords(words).size(), 2u);
  EXPECT_NE(Fault([&] { ReadYiJiWords(Write("w.txt", "祭祀\n祭祀\n")); }).find("duplicate key"), std::string::npos);

  std::string days = Write("d.tsv", "19010101\t1,2\t\n19010103\t1\t2\n");
  EXPECT_NE(Fault([&] { ReadYiJiDays(days, 2); }).find("dates missing before 19010103"), std::string::npos);
  days = Write("d.tsv", "19010101\t1,3\t\n");
  EXPECT_NE(Fault([&] { ReadYiJiDays(days, 2); }).find("bad word id \"3\""), std::string::npos);
  days = Write("d.tsv", "19010101\t1\t2\n");
  EXPECT_NE(Fault([&] { ReadYiJiDays(days, 2); }).find("dates missing at the end"), std::string::npos);
}

TEST_F(SourcesTest, CompressedSourcesAreReadAndTruncatedOnesRefused) {
  std::string path = dir.File("d.gz");
  gzFile file = gzopen(path.c_str(), "wb");
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "2015010" + std::to_string(i % 9 + 1) + "\t1,2,3\t4,5\n";
  gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
  gzclose(file);
  std::string whole = ReadBytes(path);
  EXPECT_NE(Fault([&] { ReadYiJiDays(path, 5); }).find("d.gz:1: dates missing before 20150101"), std::string::npos);
  WriteBytes(path, whole.substr(0, whole.size() / 2));
  EXPECT_NE(Fault([&] { ReadYiJiDays(path, 5); }).find("truncated or damaged"), std::string::npos);
  EXPECT_NE(Fault([&] { ReadYiJiDays(dir.File("missing.gz"), 5); }).find("cannot open"), std::string::npos);
}

}  // namespace
