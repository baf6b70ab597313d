#include "grid/store_lookups.h"

#include "almanac/almanac_store.h"

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
  return lookups;
}

}  // namespace grid
