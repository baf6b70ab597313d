#include "almanac/almanac_info.h"

#include "almanac/almanac_store.h"
#include "platform/code_page.h"

InfoAlmanacColumns AlmanacInfoColumns(int year, int month, int day) {
  const DateTimeRecord date{year, month, day, 0, 0, 0};
  std::string yi, ji;
  QueryYiJi(yi, true, date);
  QueryYiJi(ji, false, date);
  InfoAlmanacColumns columns;
  columns.yi = platform::GbkToUtf8(yi);
  columns.ji = platform::GbkToUtf8(ji);
  // Rest is asked first: a worked day is never a rest day in a consistent schedule, and rest is what the
  // day's holiday is about.
  if (QueryRestDay(date)) {
    columns.holiday = "rest";
  } else if (QueryWorkedDay(date)) {
    columns.holiday = "work";
  }
  return columns;
}
