#include "app/user_data_commands.h"

#include <map>
#include <ostream>
#include <string>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/calendar_date.h"
#include "almanac/ical_module.h"
#include "almanac/user_store.h"
#include "lunar/supported_years.h"
#include "platform/atomic_file.h"
#include "platform/message_text.h"

namespace app {
namespace {

constexpr std::string_view kOptions[] = {"--export-notes", "--import-notes", "--import-holidays", "--forget-holidays"};

// "1 note", "2 notes": the summary lines count in words a reader would write.
std::string Counted(std::size_t count, std::string_view one, std::string_view many = {}) {
  if (count == 1) return "1 " + std::string(one);
  return std::to_string(count) + " " + (many.empty() ? std::string(one) + "s" : std::string(many));
}

int StoreFailed(const UserStore& store, const CppSQLite3Exception& error, std::ostream& err) {
  err << "wannianli: user store " << store.Path() << ": " << error.ErrorMessage() << " (nothing changed)\n";
  return 1;
}

int ForgetHolidays(std::string_view yearText, std::ostream& out, std::ostream& err) {
  int year = 0;
  bool digits = yearText.size() == 4;
  for (char c : yearText) {
    digits = digits && c >= '0' && c <= '9';
    year = year * 10 + (c - '0');
  }
  if (!digits || !lunar::IsSupportedYear(year)) {
    err << "wannianli: --forget-holidays: '" << platform::QuoteForMessage(yearText, platform::kQuotedArgumentBytes)
        << "' is not a year of " << lunar::kFirstYear << "-" << lunar::kLastYear << "\n";
    return 2;
  }
  UserStore store;
  try {
    if (store.ForgetHolidayYear(year)) {
      out << "wannianli: forgot the imported holidays of " << year << "; the built-in schedule applies again\n";
    } else {
      out << "wannianli: no imported holidays of " << year << " to forget; nothing changed\n";
    }
  } catch (const CppSQLite3Exception& error) {
    return StoreFailed(store, error, err);
  }
  return 0;
}

// The iCalendar operations, or nullptr after one line saying why they cannot be had (status 1: the
// program's install is at fault, not the file).
const IcalOperations* Ical(std::string_view option, std::ostream& err) {
  std::string problem;
  const IcalOperations* ical = IcalCalendar(problem);
  if (ical == nullptr) err << "wannianli: " << option << ": " << problem << "\n";
  return ical;
}

bool Usable(const CalendarEvent& event) { return event.allDay && lunar::IsSupportedYear(event.start.year); }

int ExportNotes(const std::string& path, std::ostream& out, std::ostream& err) {
  const IcalOperations* ical = Ical("--export-notes", err);
  if (ical == nullptr) return 1;
  UserStore store;
  std::vector<UserNote> notes;
  try {
    notes = store.AllNotes();
  } catch (const CppSQLite3Exception& error) {
    return StoreFailed(store, error, err);
  }
  std::vector<UserNote> const oldestFirst(notes.rbegin(), notes.rend());
  if (std::string problem = platform::WriteFileAtomically(path, ical->writeNotesCalendar(oldestFirst)); !problem.empty()) {
    err << "wannianli: --export-notes: " << problem << "\n";
    return 1;
  }
  out << "wannianli: exported " << Counted(notes.size(), "note") << " to " << path << "\n";
  return 0;
}

// A note's text from an event: its description, with the summary above it unless the description begins
// with it (as this program's own exports do).
std::string NoteText(const CalendarEvent& event) {
  if (event.description.empty()) return event.summary;
  if (event.summary.empty() || event.description.rfind(event.summary, 0) == 0) return event.description;
  return event.summary + "\n" + event.description;
}

int ImportNotes(const std::string& path, std::ostream& out, std::ostream& err) {
  const IcalOperations* ical = Ical("--import-notes", err);
  if (ical == nullptr) return 1;
  CalendarFile const file = ical->readCalendarFile(path);
  if (!file.error.empty()) {
    err << "wannianli: " << file.error << "\n";
    return 2;
  }
  std::vector<UserNote> notes;
  int skipped = file.otherEntries;
  for (const CalendarEvent& event : file.events) {
    std::string text = NoteText(event);
    if (!Usable(event) || text.empty()) {
      ++skipped;
      continue;
    }
    notes.push_back({DateText(event.start), event.uid, std::move(text), event.stamp});
  }
  UserStore store;
  NoteImportCounts counts;
  try {
    if (!notes.empty()) counts = store.ImportNotes(notes);
  } catch (const CppSQLite3Exception& error) {
    return StoreFailed(store, error, err);
  }
  out << "wannianli: " << path << ": read " << Counted(file.events.size() + file.otherEntries, "entry", "entries") << "; added "
      << Counted(counts.added, "note") << ", replaced " << counts.replaced << ", merged " << counts.merged << " into a day's note, "
      << counts.unchanged << " unchanged; skipped " << skipped << " (not all-day events on a day of "
      << lunar::kFirstYear << "-" << lunar::kLastYear << ")\n";
  return 0;
}

// The holiday kind a summary ends in ("春节(休)", "春节（班）"), and the name before it.
bool HolidayOf(const std::string& summary, HolidayKind& kind, std::string& name) {
  for (auto const& [suffix, k] : std::initializer_list<std::pair<std::string_view, HolidayKind>>{
           {"(休)", HolidayKind::Rest}, {"（休）", HolidayKind::Rest}, {"(班)", HolidayKind::Work},
           {"（班）", HolidayKind::Work}}) {
    if (summary.size() >= suffix.size() && summary.compare(summary.size() - suffix.size(), suffix.size(), suffix) == 0) {
      kind = k;
      name = summary.substr(0, summary.size() - suffix.size());
      while (!name.empty() && name.back() == ' ') name.pop_back();
      return true;
    }
  }
  return false;
}

int ImportHolidays(const std::string& path, std::ostream& out, std::ostream& err) {
  const IcalOperations* ical = Ical("--import-holidays", err);
  if (ical == nullptr) return 1;
  CalendarFile const file = ical->readCalendarFile(path);
  if (!file.error.empty()) {
    err << "wannianli: " << file.error << "\n";
    return 2;
  }
  std::map<std::string, UserHoliday> days;  // by date
  int skipped = file.otherEntries;
  for (const CalendarEvent& event : file.events) {
    HolidayKind kind{};
    std::string name;
    if (!Usable(event) || !HolidayOf(event.summary, kind, name)) {
      ++skipped;
      continue;
    }
    int count = 0;
    for (CalendarDate d = event.start; d < event.end && lunar::IsSupportedYear(d.year); d = NextDay(d)) {
      if (++count > 366) {
        err << "wannianli: " << path << ":" << event.line << ": a holiday event longer than a year\n";
        return 2;
      }
      auto [it, fresh] = days.try_emplace(DateText(d), UserHoliday{DateText(d), kind, name});
      if (fresh) continue;
      if (it->second.kind != kind) {
        err << "wannianli: " << path << ":" << event.line << ": " << DateText(d)
            << " is both a rest day and a worked day in this file\n";
        return 2;
      }
      if (it->second.name.find(name) == std::string::npos) it->second.name += "、" + name;
    }
  }
  HolidaySchedules schedules;
  for (auto& [date, day] : days) schedules[std::stoi(date.substr(0, 4))].push_back(day);
  UserStore store;
  std::string added, replaced;
  try {
    HolidaySchedules const before = store.ImportedHolidays();
    for (const auto& [year, list] : schedules) {
      int rest = 0;
      for (const UserHoliday& d : list) rest += d.kind == HolidayKind::Rest;
      std::string& into = before.count(year) != 0 ? replaced : added;
      into += (into.empty() ? "" : ", ") + std::to_string(year) + " (" + Counted(rest, "rest day") + ", " +
              Counted(list.size() - rest, "worked day") + ")";
    }
    if (!schedules.empty()) store.ReplaceHolidayYears(schedules, path);
  } catch (const CppSQLite3Exception& error) {
    return StoreFailed(store, error, err);
  }
  out << "wannianli: " << path << ": read " << Counted(file.events.size() + file.otherEntries, "entry", "entries") << "; added "
      << (added.empty() ? "no year" : added) << "; replaced " << (replaced.empty() ? "no year" : replaced) << "; skipped "
      << skipped << " (not all-day (休)/(班) events of " << lunar::kFirstYear << "-" << lunar::kLastYear << ")\n";
  return 0;
}

}  // namespace

bool IsUserDataCommand(std::string_view option) {
  for (std::string_view known : kOptions)
    if (option == known) return true;
  return false;
}

int RunUserDataCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::string_view const option = arguments.empty() ? std::string_view() : arguments[0];
  if (arguments.size() != 2 || arguments[1].empty()) {
    err << "wannianli: " << option << " takes one argument (" << (option == "--forget-holidays" ? "YEAR" : "FILE.ics")
        << "), got " << (arguments.empty() ? 0 : arguments.size() - 1) << "\n";
    return 2;
  }
  std::string const value(arguments[1]);
  if (option == "--forget-holidays") return ForgetHolidays(value, out, err);
  if (option == "--export-notes") return ExportNotes(value, out, err);
  if (option == "--import-notes") return ImportNotes(value, out, err);
  return ImportHolidays(value, out, err);
}

}  // namespace app
