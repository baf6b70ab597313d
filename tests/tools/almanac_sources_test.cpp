#include "tools/yiji_builder/almanac_sources.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

#include "tests/almanac/scratch_db.h"
#include "tools/yiji_builder/build_error.h"

namespace {

// The message of the BuildError that reading `text` from a file with `read` throws ("" when none).
std::string Fault(const std::function<void(const std::string&)>& read, const std::string& text) {
  ScratchDir dir;
  std::string path = dir.File("source");
  WriteBytes(path, text);
  try {
    read(path);
  } catch (const BuildError& error) {
    return error.what();
  }
  return {};
}

const auto kGregorian = [](const std::string& path) { ReadGregorianFestivals(path); };
const auto kLunar = [](const std::string& path) { ReadLunarFestivals(path); };
const auto kHolidays = [](const std::string& path) { ReadHolidayDates(path); };
const auto kWords = [](const std::string& path) { ReadYiJiWords(path); };
const auto kDays = [](const std::string& path) { ReadYiJiDays(path, 2); };

TEST(AlmanacSources, EachFaultStopsTheBuildNamingFileAndLine) {
  const std::string header = "date,kind,name,sources\n";
  struct Case {
    std::function<void(const std::string&)> read;
    std::string text;
    std::string fault;
  };
  const Case cases[] = {
      {kGregorian, "1\t1\t元旦\t新年\n1\t11\t某节\t说明\n", "source:2: ambiguous Gregorian key: 某节 on 1-11 has the key 111, which 11-1 shares"},
      {kGregorian, "12\t5\t某节\t说明\n", "ambiguous Gregorian key"},  // 125 is also 25 January
      {kGregorian, "10\t1\t国庆节\t说明\n10\t1\t国庆\t说明\n", "source:2: duplicate key 101"},
      {kGregorian, "10\t1\t中华人民共和国国庆\t说明\n", "has 27 UTF-8 bytes, more than 17"},
      {kGregorian, "2\t30\t某节\t说明\n", "bad month and day"},
      {kGregorian, "10\t1\t国庆节\t\xF0\x9F\x8E\x89\n", "has no GBK form"},
      {kLunar, "正月\t初一\t春节\n正月\t初一\t新春\n", "duplicate key \"正月初一\""},
      {kLunar, "正月\t初一\n", "expected 3 fields"},
      {kHolidays, header + "2015-10-10,work,国庆节,x\n2015-10-10,rest,国庆节,x\n", "listed twice"},
      {kHolidays, header + "2015-10-09,work,国庆节,x\n", "source:2: worked day 2015-10-09 is not a Saturday or Sunday"},
      {kHolidays, "2015-10-01,rest,国庆节,x\n", "header"},
      {kWords, "祭祀\n祭祀\n", "duplicate key \"祭祀\""},
      {kDays, "19010101\t1,2\t\n19010103\t1\t2\n", "source:2: dates missing before 19010103"},
      {kDays, "19010101\t1,3\t\n", "bad word id \"3\""},
      {kDays, "19010101\t1\t2\n", "dates missing at the end"},
  };
  for (const Case& bad : cases) {
    EXPECT_NE(Fault(bad.read, bad.text).find(bad.fault), std::string::npos) << bad.text << "\n" << Fault(bad.read, bad.text);
  }
  EXPECT_EQ(Fault(kGregorian, "# comment\n10\t1\t国庆节\t说明\n1\t10\t某节\t说明\n12\t25\t圣诞节\t说明\n"), "");
}

TEST(AlmanacSources, CompressedSourcesAreReadAndTruncatedOnesRefused) {
  ScratchDir dir;
  std::string path = dir.File("d.gz");
  gzFile file = gzopen(path.c_str(), "wb");
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "1901010" + std::to_string(i % 9 + 1) + "\t1,2\t2\n";
  gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
  gzclose(file);
  std::string whole = ReadBytes(path);
  EXPECT_NE(Fault(kDays, whole).find("source:10: duplicate key 19010101"), std::string::npos);
  EXPECT_NE(Fault(kDays, whole.substr(0, whole.size() / 2)).find("truncated or damaged"), std::string::npos);
}

}  // namespace
