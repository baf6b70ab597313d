#pragma once
// The almanac store's look-ups (yiji.db beside the executable) as the grid's AlmanacLookups.
#include "grid/almanac_lookups.h"

namespace grid {

AlmanacLookups StoreLookups();

}  // namespace grid
