#pragma once
// The key texts of the almanac tables (bound to statements as parameters, never put into their text).
#include <string>

#include "almanac/date_time_record.h"

// D8: the year with "%d", then month and day each padded to two digits ("20150505").
std::string DateKey(const DateTimeRecord& date);
// MD: month and day with "%d%d", no padding ("11", "101", "1225"; 11 January and 1 November share "111").
std::string MonthDayKey(const DateTimeRecord& date);
// Two digits below 10 ("07"), else "%d".
std::string TwoDigits(int n);
