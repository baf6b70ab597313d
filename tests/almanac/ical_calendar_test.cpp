// iCalendar through libical: notes written and read back unchanged, the real shape of a published holiday
// calendar accepted, and a bad file named by its line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "almanac/ical_calendar.h"

namespace {

using ::testing::HasSubstr;

TEST(IcalCalendar, NotesComeBackAsTheyWereWritten) {
  std::vector<UserNote> const notes = {
      {"2025-01-28", "a1@wannianli", "除夕, 回家\n带上: 礼物; 红包\\票", "20250101T080000Z"},
      {"2050-12-31", "a2@wannianli", std::string(200, 'x'), "20250102T080000Z"}};
  auto const file = ReadCalendarText(WriteNotesCalendar(notes), "notes.ics");
  ASSERT_EQ(file.error, "");
  ASSERT_EQ(file.events.size(), 2u);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const CalendarEvent& e = file.events[i];
    EXPECT_TRUE(e.allDay);
    EXPECT_EQ(DateText(e.start), notes[i].date);
    EXPECT_EQ(e.end, NextDay(e.start));
    EXPECT_EQ(e.uid, notes[i].uid);
    EXPECT_EQ(e.description, notes[i].text);
    EXPECT_EQ(e.summary, FirstLine(notes[i].text));
    EXPECT_EQ(e.stamp, notes[i].modified);
  }
}

TEST(IcalCalendar, APublishedHolidayCalendarWithItsExtraPropertiesIsRead) {
  // As the per-year files of chinese-days: a non-standard TIMEZONE-ID, folded lines, a time zone, CRLF.
  std::string const text =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//CN\r\nBEGIN:VTIMEZONE\r\nTZID:Asia/Shanghai\r\n"
      "BEGIN:STANDARD\r\nTZOFFSETFROM:+0800\r\nTZOFFSETTO:+0800\r\nDTSTART:19700101T000000\r\nEND:STANDARD\r\n"
      "END:VTIMEZONE\r\nTIMEZONE-ID:Asia/Shanghai\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20250128\r\n"
      "DTEND;VALUE=DATE:20250205\r\nSUMMARY:春节(休)\r\nX-APPLE-UNIVERSAL-ID:106c0bb279504ef98528d3d51f4349\r\n"
      " 60f5cf2f22c\r\nEND:VEVENT\r\nBEGIN:VTODO\r\nUID:2\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
  auto const file = ReadCalendarText(text, "2025.ics");
  ASSERT_EQ(file.error, "");
  ASSERT_EQ(file.events.size(), 1u);
  EXPECT_EQ(file.events[0].summary, "春节(休)");
  EXPECT_EQ(file.events[0].line, 13);
  EXPECT_EQ(DateText(file.events[0].end), "2025-02-05");
  EXPECT_EQ(file.otherEntries, 1);
}

TEST(IcalCalendar, ABadFileIsNamedByItsLine) {
  auto const error = [](const std::string& text) { return ReadCalendarText(text, "f.ics").error; };
  std::string const head = "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:1\nSUMMARY:a\n b\n";
  EXPECT_THAT(error(head + "DTSTART;VALUE=DATE:2025x101\nEND:VEVENT\nEND:VCALENDAR\n"), HasSubstr("f.ics:7: "));
  EXPECT_THAT(error(head + "FOO BAR\nEND:VEVENT\nEND:VCALENDAR\n"), HasSubstr("f.ics:7: "));
  EXPECT_THAT(error(head + "DTSTART;VALUE=DATE:20251340\nEND:VEVENT\nEND:VCALENDAR\n"),
              HasSubstr("f.ics:3: the event's DTSTART"));
  EXPECT_THAT(error(head + "END:VEVENT\nEND:VCALENDAR\n"), HasSubstr("f.ics:3: the event has no DTSTART"));
  EXPECT_THAT(error(head + "DTSTART;VALUE=DATE:20250101\nEND:VEVENT\n"), HasSubstr("f.ics:8: "));
  EXPECT_THAT(error("BEGIN:VCALENDAR\nSUMMARY:\xB4\xBA\nEND:VCALENDAR\n"), HasSubstr("f.ics:2: not UTF-8"));
  EXPECT_THAT(error("END:VEVENT\n"), HasSubstr("f.ics:1: "));
  EXPECT_THAT(error("hello\n"), HasSubstr("f.ics:1: "));
  EXPECT_THAT(error(""), HasSubstr("f.ics:1: no VCALENDAR"));
  EXPECT_THAT(ReadCalendarFile("/nonexistent/x.ics").error, HasSubstr("/nonexistent/x.ics:0: cannot open"));
}

}  // namespace
