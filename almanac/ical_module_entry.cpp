#include "almanac/ical_module.h"

extern "C" const IcalOperations* wannianli_ical_operations() {
  static constexpr IcalOperations operations = {WANNIANLI_VERSION, &ReadCalendarFile, &ReadCalendarText,
                                                &WriteNotesCalendar};
  return &operations;
}
