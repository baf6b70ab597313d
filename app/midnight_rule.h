#pragma once
// What the widget does when the clock's date moves on (midnight, or a clock set forward) while it runs.
// The today marker follows the date; a selection that sat on the old today follows it too, so that a widget
// left open overnight on "today" shows the new today in the morning. Any other selection stays.
#include <optional>

#include "almanac/date_time_record.h"

enum class MidnightAction {
  None,             // same date: only the clock changes
  MoveTodayMarker,  // refill the shown month so that the marker lands on the new date; selection kept
  FollowToday,      // the old today was selected: show the new today as "btn_today" does
};

// `markedToday`: the date the marker was last placed on; `now`: the clock's date; `selected`: the date of
// the selected shown cell, if any. Only year, month and day are compared.
MidnightAction DecideMidnightAction(const DateTimeRecord& markedToday, const DateTimeRecord& now,
                                    const std::optional<DateTimeRecord>& selected);
