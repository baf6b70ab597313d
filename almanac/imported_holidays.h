#pragma once
// The holiday schedules the user imported into user.db (almanac/user_store.h), as the holiday look-ups
// answer them: a year found there takes the place of yiji.db's festable<YEAR> and bantable<YEAR>.
//
// The store is looked at (one stat of user.db and one of its log) at the first look of each batch of
// look-ups (almanac/almanac_batch.h) and read again only when it changed, so an import made while the
// widget runs shows at its next refresh. UI thread only.
#include <vector>

#include "almanac/almanac_file.h"
#include "almanac/user_store.h"

// The year as the look-ups answer it: rest days (休), worked days (班), and one row per marked day whose
// festival text (GBK, as yiji.db's rows) is the holiday's name, so that every marked day has it as tooltip;
// a rest day's row lists the holiday's rest days of its month as yiji.db's rows do. No pictures.
HolidayYear ToHolidayYear(const std::vector<UserHoliday>& days);

// The imported schedule of `year`, or null when the user imported none for it.
const HolidayYear* ImportedHolidayYear(int year);

// Called by the batch's look: looks at user.db and reads it again when it changed; true when the imported
// schedules may now answer differently.
bool LookAtImportedHolidays();
