#pragma once
// Writes yiji.db from the checked sources: a fresh file is built beside the target and renamed over it, so
// a failed build never leaves a half-written database in place.
#include <map>
#include <string>
#include <vector>

#include "tools/yiji_builder/almanac_sources.h"
#include "tools/yiji_builder/holiday_tables.h"

struct AlmanacSources {
  std::vector<std::string> words;
  std::vector<YiJiDay> days;
  std::vector<GregorianFestival> gregorianFestivals;
  std::vector<LunarFestival> lunarFestivals;
  std::map<int, YearTables> holidayTables;
};

void WriteAlmanacDb(const std::string& path, const AlmanacSources& sources);
