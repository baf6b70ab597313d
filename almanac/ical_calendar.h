#pragma once
// iCalendar files (RFC 5545) read and written through libical: the parsing, unfolding, unescaping, folding
// and escaping are libical's. This file only walks what libical found, with the line each event begins on,
// and turns the first problem libical (or a date check) reports into one message naming file and line.
#include <string>
#include <string_view>
#include <vector>

#include "almanac/calendar_date.h"
#include "almanac/user_store.h"

// One VEVENT as read.
struct CalendarEvent {
  int line = 0;  // where its BEGIN:VEVENT stands
  std::string uid;
  std::string summary;      // unescaped by libical; "" without one
  std::string description;  // the same, line ends as '\n'
  std::string stamp;        // LAST-MODIFIED, else DTSTAMP, as UTC "YYYYMMDDTHHMMSSZ"; "" without either
  bool allDay = false;      // DTSTART is a DATE
  CalendarDate start;       // its first day
  CalendarDate end;         // the day after its last day (DTEND, DURATION, or the next day)
};

struct CalendarFile {
  std::vector<CalendarEvent> events;  // every VEVENT, in file order
  int otherEntries = 0;               // other components below a VCALENDAR (VTODO, VJOURNAL, …), time zones aside
  std::string error;                  // "FILE:LINE: problem"; when set the rest is empty
};

// Reads the file at `path` (a narrow path); a file that cannot be read is an error naming it.
CalendarFile ReadCalendarFile(const std::string& path);
// The same for bytes already read; `name` stands for the file in the error.
CalendarFile ReadCalendarText(std::string_view bytes, const std::string& name);

// Every note as an all-day event: SUMMARY its first line, DESCRIPTION the whole text, its UID, DTSTAMP its
// last change. CRLF line ends, lines folded as iCalendar wants them.
std::string WriteNotesCalendar(const std::vector<UserNote>& notes);
