#pragma once
// The user's own store, user.db in the user data folder (platform/user_folders.h): notes on any day and the
// holiday schedules the user imported. It lives apart from the read-only almanac and never shares a
// connection with it.
//
// Reading a store that does not exist reads it as empty and creates nothing; the first write creates the
// folder and the file. The file is in WAL mode with synchronous=FULL, every change is one transaction, and
// the schema carries its version (PRAGMA user_version), brought forward step by step on the first write.
// A damaged file (SQLite finds it corrupt, or it is no database) is moved aside as
// user.db.corrupt-<UTC time>, said once on standard error, and a fresh store takes its place; it is never
// written over. Failures (a folder that cannot be written, a full disk, another program's lock held past
// the short busy wait) throw CppSQLite3Exception, and the store is left as it was.
//
// Texts are UTF-8; dates are "YYYY-MM-DD". UI thread only (or one command).
#include <map>
#include <optional>
#include <string>
#include <vector>

// One note: the text the user wrote on a day.
struct UserNote {
  std::string date;      // YYYY-MM-DD
  std::string uid;       // stable: kept through export and import
  std::string text;      // lines separated by '\n'
  std::string modified;  // UTC, "YYYYMMDDTHHMMSSZ"
  friend bool operator==(const UserNote&, const UserNote&) = default;
};

enum class HolidayKind { Rest, Work };

// One day of an imported holiday schedule.
struct UserHoliday {
  std::string date;  // YYYY-MM-DD
  HolidayKind kind = HolidayKind::Rest;
  std::string name;  // the holiday's name ("春节")
  friend bool operator==(const UserHoliday&, const UserHoliday&) = default;
};
using HolidaySchedules = std::map<int, std::vector<UserHoliday>>;  // by year

// What an import of notes did.
struct NoteImportCounts {
  int added = 0;      // a new note on a day that had none
  int replaced = 0;   // a note of the same UID, now with the imported date and text
  int merged = 0;     // a day that held another note: the imported text was added below it
  int unchanged = 0;  // the store held it already
};

// The schema version this program writes.
inline constexpr int kUserStoreSchemaVersion = 1;

class UserStore {
 public:
  // The store in `folder` (default: the user data folder).
  explicit UserStore(std::string folder);
  UserStore();

  const std::string& Path() const { return path; }

  // Reads. A missing file reads as empty.
  std::optional<UserNote> NoteOn(const std::string& date);
  // Every note, the latest date first.
  std::vector<UserNote> AllNotes();
  HolidaySchedules ImportedHolidays();

  // Writes, one transaction each.
  // Saves the day's note (a new one gets a fresh UID); an empty text deletes it.
  void SaveNote(const std::string& date, const std::string& text);
  // True when the day had a note.
  bool DeleteNote(const std::string& date);
  NoteImportCounts ImportNotes(const std::vector<UserNote>& notes);
  // Each year of `schedules` replaces that year's schedule; `source` names where it came from.
  void ReplaceHolidayYears(const HolidaySchedules& schedules, const std::string& source);
  // True when the year had an imported schedule.
  bool ForgetHolidayYear(int year);

 private:
  std::string path;
};

// A fresh note UID ("<32 hex digits>@wannianli").
std::string NewNoteUid();
// The current UTC time as "YYYYMMDDTHHMMSSZ".
std::string UtcStamp();
// The first line of a note's text (up to the first '\n'). Inline: the iCalendar module writes it as an
// event's summary without taking the store's code along.
inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }
