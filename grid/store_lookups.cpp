#include "grid/store_lookups.h"

#include <cstdio>

#include "almanac/almanac_store.h"
#include "almanac/note_index.h"

namespace grid {

AlmanacLookups StoreLookups() {
  AlmanacLookups lookups;
  lookups.queryYiJi = QueryYiJi;
  lookups.queryYiJiWords = [](std::vector<std::string>& out, bool yi, DateTimeRecord date) {
    return QueryYiJiWords(out, yi, date) ? AlmanacAnswer::Answered : AlmanacAnswer::NoAlmanac;
  };
  lookups.queryFestival = QueryFestival;
  lookups.queryFestivalDay = QueryFestivalDay;
  lookups.queryWorkedDay = QueryWorkedDay;
  lookups.queryRestDay = QueryRestDay;
  lookups.queryNote = [](const DateTimeRecord& date) {
    char key[16];
    std::snprintf(key, sizeof key, "%04d-%02d-%02d", date.year, date.month, date.day);
    return WidgetNotes().FirstLineOn(key);
  };
  return lookups;
}

}  // namespace grid
