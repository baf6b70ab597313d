#include "grid/store_lookups.h"

#include "almanac/almanac_store.h"

namespace grid {

AlmanacLookups StoreLookups() {
  AlmanacLookups lookups;
  lookups.queryYiJi = QueryYiJi;
  lookups.queryFestival = QueryFestival;
  lookups.queryFestivalDay = QueryFestivalDay;
  lookups.queryWorkedDay = QueryWorkedDay;
  lookups.queryRestDay = QueryRestDay;
  return lookups;
}

}  // namespace grid
