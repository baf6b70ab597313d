#include "app/midnight_rule.h"

namespace {

bool SameDate(const DateTimeRecord& a, const DateTimeRecord& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

MidnightAction DecideMidnightAction(const DateTimeRecord& markedToday, const DateTimeRecord& now,
                                    const std::optional<DateTimeRecord>& selected) {
  if (SameDate(markedToday, now)) return MidnightAction::None;
  if (selected && SameDate(*selected, markedToday)) return MidnightAction::FollowToday;
  return MidnightAction::MoveTodayMarker;
}
