#pragma once
// The per-day look-ups on "yiji.db" beside the executable. A call reads the file as its batch found it
// (almanac/almanac_batch.h: a call outside any batch looks at the file itself) and never writes to it.
// When the file is missing a look-up returns false and leaves its outputs untouched; otherwise the result
// of the text look-ups only says that the file exists (a missing row still gives true). Database errors
// (a busy, corrupt or empty file, a missing table or column) throw CppSQLite3Exception; outputs may then be
// partly written. Keys are bound to kept statements, never written into a statement's text.
//
// Texts out are handed on as stored: GBK for yi/ji words, tooltips and holiday rows, UTF-8 for the two
// festival names.
#include <string>
#include <string_view>
#include <vector>

#include "almanac/date_time_record.h"
#include "almanac/split_string.h"

// Full path of "yiji.db" in the directory of the running executable.
std::string GetAlmanacDbPath();

// Appends the date's first activity word ("yi" when `yi`, else "ji") when it has one or two, its first two
// words each followed by one space when it has three or more.
bool QueryYiJi(std::string& out, bool yi, DateTimeRecord date);
// Appends every activity word of the date ("yi" when `yi`, else "ji") to `out`, in stored order (ids
// without a word are skipped). Answered from the word list in memory, like QueryYiJi.
bool QueryYiJiWords(std::vector<std::string>& out, bool yi, DateTimeRecord date);
// Sets `out` to the tooltip text of the date's month and day; leaves it as it is when the row has none.
bool QueryFestival(const DateTimeRecord& date, std::string& out);
// Copies the holiday row (festable<YEAR>) of the date.
bool QueryFestivalDay(const DateTimeRecord& date, std::string& festival, std::string& picpath,
                      std::string& holidays);
// True when the date is a worked weekend day (a row of bantable<YEAR>).
bool QueryWorkedDay(const DateTimeRecord& date);
// True when a festable<YEAR> row lists the date among its rest days.
bool QueryRestDay(const DateTimeRecord& date);

// Copy the festival name of `key` (gregtable: month-day key; tradtable: lunar month text + lunar day text,
// GBK) into `out`, an 18-byte buffer, when a row exists; a longer name is cut at a character boundary.
bool QueryGregorianFestival(const char* key, char* out);
bool QueryLunarFestival(const char* key, char* out);

// Installs the two festival look-ups above as the lunar engine's.
void ConnectFestivalLookups();
