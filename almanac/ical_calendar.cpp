#include "almanac/ical_calendar.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include <libical/ical.h>

#include "lunar/gregorian.h"
#include "platform/code_page.h"
#include "platform/message_text.h"
#include "platform/utf8_codec.h"

namespace {

// A calendar of a few thousand events is a few megabytes; anything far larger is not one.
constexpr std::size_t kMaxFileBytes = 64u << 20;

// A path as an error line shows it: control characters escaped, a long one cut.
std::string Shown(const std::string& path) { return platform::QuoteForMessage(path, platform::kQuotedArgumentBytes); }

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;
struct ParserFree {
  void operator()(icalparser* p) const { icalparser_free(p); }
};
struct BufferFree {
  void operator()(char* b) const { icalmemory_free_buffer(b); }
};
using Buffer = std::unique_ptr<char, BufferFree>;

bool ValidUtf8(std::string_view line) {
  for (std::size_t pos = 0; pos < line.size();) {
    std::size_t const at = pos;
    if (platform::DecodeUtf8(line, pos) == platform::kReplacementCharacter) {
      // U+FFFD written as itself is fine; a byte that does not decode is not.
      if (line.substr(at, 3) != "\xEF\xBF\xBD") return false;
    }
  }
  return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

// Hands libical one physical line per call and notes where each content line (one that is not a folded
// continuation) begins, so that what libical returns can be given its line number.
struct LineSource {
  std::string_view bytes;
  std::size_t pos = 0;
  int physical = 0;
  std::vector<int> starts;  // the lines content lines begin on, in order
  std::size_t nextStart = 0;
  int badLine = 0;          // the first line that is not UTF-8 text

  static char* Next(char* out, std::size_t size, void* self) {
    auto* source = static_cast<LineSource*>(self);
    if (source->pos >= source->bytes.size() || size < 2) return nullptr;
    std::size_t const end = source->bytes.find('\n', source->pos);
    std::size_t const lineEnd = end == std::string_view::npos ? source->bytes.size() : end + 1;
    std::size_t const n = std::min(lineEnd - source->pos, size - 1);
    std::string_view const line = source->bytes.substr(source->pos, n);
    if (source->pos == 0 || source->bytes[source->pos - 1] == '\n') {
      ++source->physical;
      bool const blank = line == "\n" || line == "\r\n";
      if (!blank && line[0] != ' ' && line[0] != '\t') source->starts.push_back(source->physical);
      if (source->badLine == 0 && (!ValidUtf8(line) || line.find('\0') != std::string_view::npos)) {
        source->badLine = source->physical;
      }
    }
    std::memcpy(out, line.data(), n);
    out[n] = '\0';
    source->pos += n;
    return out;
  }
  int TakeStart() { return nextStart < starts.size() ? starts[nextStart++] : physical; }
};

std::string Stamp(icaltimetype t) {
  if (icaltime_is_null_time(t)) return {};
  char text[20];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string Text(const char* value) {
  std::string text = value != nullptr ? value : "";
  // Line ends as the program keeps them.
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\r' ? '\n' : text[i];
  }
  return out;
}

// The problem libical recorded in `parsed` (a one-line calendar), or "" for a property libical does not know:
// RFC 5545 asks that an unknown property be ignored, and libical reports it as a parse error of its name.
std::string RealProblem(icalcomponent* parsed) {
  for (icalproperty* p = icalcomponent_get_first_property(parsed, ICAL_XLICERROR_PROPERTY); p != nullptr;
       p = icalcomponent_get_next_property(parsed, ICAL_XLICERROR_PROPERTY)) {
    std::string const text = icalproperty_get_xlicerror(p) != nullptr ? icalproperty_get_xlicerror(p) : "";
    std::string_view constexpr unknown = "Parse error in property name: ";
    if (text.rfind(unknown, 0) == 0) {
      std::string_view const name = std::string_view(text).substr(unknown.size());
      bool const token = !name.empty() && name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                                                 "0123456789-") == std::string_view::npos;
      if (token) continue;
    }
    return text;
  }
  return {};
}

// What libical says about `line` on its own.
std::string LineProblem(const std::string& line) {
  std::string const wrapped = "BEGIN:VCALENDAR\r\n" + line + "\r\nEND:VCALENDAR\r\n";
  Component parsed(icalparser_parse_string(wrapped.c_str()));
  std::string problem = parsed ? RealProblem(parsed.get()) : "libical cannot read it";
  return problem;
}

std::string Shorten(std::string line) {
  if (line.size() > 60) line = line.substr(0, platform::Utf8PrefixAtBoundary(line, 60)) + "…";
  return line;
}

CalendarDate DateOf(icaltimetype t) { return {t.year, t.month, t.day}; }

bool RealDate(const CalendarDate& d) { return lunar::IsValidGregorianDate(d.year, d.month, d.day); }

// The event `c`, or a problem.
std::string ReadEvent(icalcomponent* c, int line, CalendarEvent& event) {
  event.line = line;
  event.uid = icalcomponent_get_uid(c) != nullptr ? icalcomponent_get_uid(c) : "";
  event.summary = Text(icalcomponent_get_summary(c));
  event.description = Text(icalcomponent_get_description(c));
  icalproperty* modified = icalcomponent_get_first_property(c, ICAL_LASTMODIFIED_PROPERTY);
  event.stamp = modified != nullptr ? Stamp(icalproperty_get_lastmodified(modified)) : "";
  if (event.stamp.empty()) event.stamp = Stamp(icalcomponent_get_dtstamp(c));
  icaltimetype const start = icalcomponent_get_dtstart(c);
  if (icaltime_is_null_time(start)) return "the event has no DTSTART";
  event.allDay = start.is_date != 0;
  event.start = DateOf(start);
  if (!RealDate(event.start)) return "the event's DTSTART " + std::string(icaltime_as_ical_string(start)) + " is not a real date";
  icaltimetype const end = icalcomponent_get_dtend(c);
  event.end = icaltime_is_null_time(end) ? NextDay(event.start) : DateOf(end);
  if (!RealDate(event.end)) return "the event's DTEND " + std::string(icaltime_as_ical_string(end)) + " is not a real date";
  if (event.allDay && event.end <= event.start) return "the event ends before it begins";
  if (!event.allDay && event.end < event.start) return "the event ends before it begins";
  return {};
}

}  // namespace

CalendarFile ReadCalendarText(std::string_view bytes, const std::string& name) {
  icalerror_set_errors_are_fatal(0);
  CalendarFile file;
  auto const fail = [&](int line, const std::string& problem) {
    CalendarFile failed;
    failed.error = Shown(name) + ":" + std::to_string(line) + ": " + problem;
    return failed;
  };
  std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
  LineSource source;
  source.bytes = bytes;
  icalparser_set_gen_data(parser.get(), &source);
  int depth = 0;
  int calendars = 0;
  std::vector<int> childLines;  // BEGIN lines of the components directly below the open VCALENDAR
  for (;;) {
    Buffer line(icalparser_get_line(parser.get(), &LineSource::Next));
    if (source.badLine != 0) return fail(source.badLine, "not UTF-8 text");
    if (!line) break;
    if (line.get()[0] == '\0') continue;  // libical's first call, and blank lines
    int const at = source.TakeStart();
    std::string const text = line.get();
    if (StartsWith(text, "BEGIN:")) {
      if (depth == 0 && !StartsWith(text, "BEGIN:VCALENDAR")) return fail(at, "expected BEGIN:VCALENDAR, found " + Shorten(text));
      if (depth == 1) childLines.push_back(at);
      ++depth;
    } else if (StartsWith(text, "END:")) {
      if (depth == 0) return fail(at, Shorten(text) + " without its BEGIN");
      --depth;
    } else if (depth == 0) {
      return fail(at, "expected BEGIN:VCALENDAR, found " + Shorten(text));
    }
    Component done(icalparser_add_line(parser.get(), line.get()));
    if (icalparser_get_state(parser.get()) == ICALPARSER_ERROR) {
      std::string problem = StartsWith(text, "END:") ? "does not close the component that is open" : LineProblem(text);
      if (!problem.empty()) return fail(at, problem + " (" + Shorten(text) + ")");
    }
    if (!done) continue;
    ++calendars;
    std::size_t child = 0;
    for (icalcomponent* c = icalcomponent_get_first_component(done.get(), ICAL_ANY_COMPONENT); c != nullptr;
         c = icalcomponent_get_next_component(done.get(), ICAL_ANY_COMPONENT), ++child) {
      int const childLine = child < childLines.size() ? childLines[child] : at;
      icalcomponent_kind const kind = icalcomponent_isa(c);
      if (kind == ICAL_VTIMEZONE_COMPONENT) continue;
      if (kind != ICAL_VEVENT_COMPONENT) {
        ++file.otherEntries;
        continue;
      }
      CalendarEvent event;
      if (std::string problem = ReadEvent(c, childLine, event); !problem.empty()) return fail(childLine, problem);
      file.events.push_back(std::move(event));
    }
    childLines.clear();
  }
  if (depth != 0) return fail(source.physical, "the file ends inside a component (END:VCALENDAR missing)");
  if (calendars == 0) return fail(std::max(source.physical, 1), "no VCALENDAR in the file");
  return file;
}

CalendarFile ReadCalendarFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, 0, Shown(path) + ":0: cannot open the file"};
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxFileBytes) return {{}, 0, Shown(path) + ":0: larger than 64 MiB, not a calendar"};
  }
  if (in.bad()) return {{}, 0, Shown(path) + ":0: cannot read the file"};
  return ReadCalendarText(bytes, path);
}

std::string WriteNotesCalendar(const std::vector<UserNote>& notes) {
  Component calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                         icalproperty_new_prodid("-//wannianli//notes//ZH"), nullptr));
  for (const UserNote& note : notes) {
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_set_uid(event, note.uid.c_str());
    icaltimetype stamp = icaltime_from_string(note.modified.c_str());
    if (icaltime_is_null_time(stamp)) stamp = icaltime_from_string("19700101T000000Z");
    icalcomponent_set_dtstamp(event, stamp);
    icaltimetype day = icaltime_null_date();
    day.year = std::atoi(note.date.substr(0, 4).c_str());
    day.month = std::atoi(note.date.substr(5, 2).c_str());
    day.day = std::atoi(note.date.substr(8, 2).c_str());
    icalcomponent_set_dtstart(event, day);
    CalendarDate const next = NextDay({day.year, day.month, day.day});
    icaltimetype end = icaltime_null_date();
    end.year = next.year;
    end.month = next.month;
    end.day = next.day;
    icalcomponent_set_dtend(event, end);
    icalcomponent_set_summary(event, FirstLine(note.text).c_str());
    icalcomponent_set_description(event, note.text.c_str());
    icalcomponent_add_component(calendar.get(), event);
  }
  Buffer text(icalcomponent_as_ical_string_r(calendar.get()));
  return text ? std::string(text.get()) : std::string();
}
