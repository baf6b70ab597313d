// yiji_builder DATA_DIR OUTPUT: checks the almanac sources in DATA_DIR and writes yiji.db to OUTPUT.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/yiji_builder/almanac_db_writer.h"
#include "tools/yiji_builder/build_error.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DATA_DIR OUTPUT\n", argv[0]);
    return 2;
  }
  const std::string data = std::string(argv[1]) + "/";
  try {
    AlmanacSources sources;
    sources.words = ReadYiJiWords(data + "yiji-words.txt");
    sources.days = ReadYiJiDays(data + "yiji.tsv.gz", sources.words.size());
    sources.gregorianFestivals = ReadGregorianFestivals(data + "festivals-gregorian.tsv");
    sources.lunarFestivals = ReadLunarFestivals(data + "festivals-lunar.tsv");
    sources.holidayTables =
        BuildHolidayTables(ReadHolidayDates(data + "holidays-cn.csv"), ReadLunarMainDays(data + "lunar-main-days.tsv"));
    WriteAlmanacDb(argv[2], sources);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "yiji_builder: error: %s\n", error.what());
    return 1;
  }
  return 0;
}
