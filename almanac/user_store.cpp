#include "almanac/user_store.h"

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <iterator>
#include <random>
#include <set>

#include <sqlite3.h>

#include "almanac/cpp_sqlite3.h"
#include "platform/executable_path.h"
#include "platform/file_identity.h"
#include "platform/user_files.h"
#include "platform/user_folders.h"

namespace {

// Another program (a second widget, an import) holds the store only for the moment of one change.
constexpr int kBusyTimeoutMs = 1000;

// Step v brings a store of schema version v to v + 1. Steps are only ever added, never changed.
constexpr const char* kMigrations[] = {
    // 0 → 1: notes and imported holiday schedules.
    "create table note("
    "  date text primary key,"  // YYYY-MM-DD
    "  uid text not null unique,"
    "  body text not null,"
    "  modified text not null);"  // UTC YYYYMMDDTHHMMSSZ
    "create table holiday_year("
    "  year integer primary key,"
    "  source text not null,"
    "  imported text not null);"
    "create table holiday_day("
    "  date text primary key,"
    "  year integer not null references holiday_year(year),"
    "  kind text not null check (kind in ('rest', 'work')),"
    "  name text not null);",
};
static_assert(std::size(kMigrations) == kUserStoreSchemaVersion);

bool IsDamage(const CppSQLite3Exception& error) {
  return error.ErrorCode() == SQLITE_CORRUPT || error.ErrorCode() == SQLITE_NOTADB;
}

int SchemaVersion(CppSQLite3DB& db) {
  return std::atoi(db.Prepare("pragma user_version").Run().ColumnText(0));
}

// A damaged page is found here rather than in the middle of a change.
void CheckHealth(CppSQLite3DB& db) {
  CppSQLite3Statement check = db.Prepare("pragma quick_check");
  std::string const verdict = check.Run().ColumnText(0);
  if (verdict != "ok") throw CppSQLite3Exception(SQLITE_CORRUPT, verdict.c_str());
}

bool Exists(const std::string& path) { return platform::GetFileIdentity(path).has_value(); }

// The damaged store and its log go aside together, under a name no store ever has.
void MoveAside(const std::string& path, const CppSQLite3Exception& why) {
  std::string aside = path + ".corrupt-" + UtcStamp();
  for (int n = 2; Exists(aside); ++n) aside = path + ".corrupt-" + UtcStamp() + "-" + std::to_string(n);
  std::string const problem = platform::RenameFile(path, aside);
  if (!problem.empty()) {
    // Never written over: the store stays unusable until the user moves it.
    throw CppSQLite3Exception(SQLITE_CORRUPT, (path + " is damaged and " + problem).c_str());
  }
  for (const char* companion : {"-wal", "-shm"}) {
    if (Exists(path + companion)) platform::RenameFile(path + companion, aside + companion);
  }
  std::cerr << "wannianli: " << path << " is damaged (" << why.ErrorMessage() << "); moved it aside as " << aside
            << " and started a fresh store\n";
}

// Runs `read` on the store, or returns `empty` when there is none (nothing is created).
template <typename T, typename Read>
T ReadStore(const std::string& path, T empty, Read&& read) {
  if (!Exists(path)) return empty;
  try {
    CppSQLite3DB db(kBusyTimeoutMs);
    db.OpenReadWrite(path.c_str(), CppSQLite3Creation::Never);
    CheckHealth(db);
    if (SchemaVersion(db) == 0) return empty;  // created, never finished: no tables yet
    return read(db);
  } catch (const CppSQLite3Exception& error) {
    if (!IsDamage(error)) throw;
    MoveAside(path, error);
    return empty;
  }
}

// Opens (creating when missing) and brings the schema forward in one transaction.
void OpenForWriting(CppSQLite3DB& db, const std::string& path) {
  if (path.empty()) {
    // SQLite would take an empty name for a temporary database and lose every change with it.
    throw CppSQLite3Exception(SQLITE_CANTOPEN, "no folder for the user's data (set HOME, or WANNIANLI_DATA_DIR)");
  }
  if (std::string problem = platform::MakeFolders(platform::FolderOf(path)); !problem.empty()) {
    throw CppSQLite3Exception(SQLITE_CANTOPEN, problem.c_str());
  }
  db.OpenReadWrite(path.c_str(), CppSQLite3Creation::IfMissing);
  db.Execute("pragma journal_mode = wal");
  db.Execute("pragma synchronous = full");
  CheckHealth(db);
  int version = SchemaVersion(db);
  if (version == kUserStoreSchemaVersion) return;
  db.Execute("begin immediate");
  version = SchemaVersion(db);  // another program may have brought it forward meanwhile
  if (version > kUserStoreSchemaVersion) {
    db.Execute("rollback");
    throw CppSQLite3Exception(SQLITE_READONLY, ("it was written by a newer wannianli (schema version " +
                                                std::to_string(version) + "); left unchanged").c_str());
  }
  for (int v = version; v < kUserStoreSchemaVersion; ++v) db.Execute(kMigrations[v]);
  db.Execute(("pragma user_version = " + std::to_string(kUserStoreSchemaVersion)).c_str());
  db.Execute("commit");
}

// Runs `change` as one transaction. A store found damaged is moved aside and the change made on a fresh one.
template <typename Change>
auto WriteStore(const std::string& path, Change&& change) {
  for (int attempt = 0;; ++attempt) {
    try {
      CppSQLite3DB db(kBusyTimeoutMs);
      OpenForWriting(db, path);
      db.Execute("begin immediate");
      auto result = change(db);  // a throw closes the connection, which rolls the transaction back
      db.Execute("commit");
      return result;
    } catch (const CppSQLite3Exception& error) {
      if (!IsDamage(error) || attempt > 0 || !Exists(path)) throw;
      MoveAside(path, error);
    }
  }
}

UserNote NoteOf(const CppSQLite3Query& row) {
  return {row.ColumnText(0), row.ColumnText(1), row.ColumnText(2), row.ColumnText(3)};
}

constexpr const char* kSelectNote = "select date, uid, body, modified from note";

std::optional<UserNote> NoteOnDate(CppSQLite3DB& db, const std::string& date) {
  CppSQLite3Statement select = db.Prepare((std::string(kSelectNote) + " where date = ?1").c_str(), "note");
  CppSQLite3Query row = select.Run({date});
  if (row.AtEnd()) return std::nullopt;
  return NoteOf(row);
}

std::string YearOf(const std::string& date) { return date.substr(0, 4); }

}  // namespace

UserStore::UserStore(std::string folder) {
  if (folder.empty()) return;  // no home to name: nothing to read, and a write says so
  if (folder.back() != '/' && folder.back() != platform::PathSeparator()) folder += platform::PathSeparator();
  path = folder + "user.db";
}

UserStore::UserStore() : UserStore(platform::DataFolder()) {}

std::optional<UserNote> UserStore::NoteOn(const std::string& date) {
  return ReadStore(path, std::optional<UserNote>(), [&](CppSQLite3DB& db) { return NoteOnDate(db, date); });
}

std::vector<UserNote> UserStore::AllNotes() {
  return ReadStore(path, std::vector<UserNote>(), [](CppSQLite3DB& db) {
    std::vector<UserNote> notes;
    CppSQLite3Statement select = db.Prepare((std::string(kSelectNote) + " order by date desc").c_str(), "note");
    for (CppSQLite3Query row = select.Run(); !row.AtEnd(); row.Advance()) notes.push_back(NoteOf(row));
    return notes;
  });
}

HolidaySchedules UserStore::ImportedHolidays() {
  return ReadStore(path, HolidaySchedules(), [](CppSQLite3DB& db) {
    HolidaySchedules schedules;
    CppSQLite3Statement years = db.Prepare("select year from holiday_year", "holiday_year");
    for (CppSQLite3Query row = years.Run(); !row.AtEnd(); row.Advance()) schedules[std::atoi(row.ColumnText(0))];
    CppSQLite3Statement days = db.Prepare("select date, kind, name from holiday_day order by date", "holiday_day");
    for (CppSQLite3Query row = days.Run(); !row.AtEnd(); row.Advance()) {
      UserHoliday day{row.ColumnText(0), std::string(row.ColumnText(1)) == "work" ? HolidayKind::Work : HolidayKind::Rest,
                      row.ColumnText(2)};
      schedules[std::atoi(YearOf(day.date).c_str())].push_back(std::move(day));
    }
    return schedules;
  });
}

void UserStore::SaveNote(const std::string& date, const std::string& text) {
  if (text.empty()) {
    DeleteNote(date);
    return;
  }
  WriteStore(path, [&](CppSQLite3DB& db) {
    auto const existing = NoteOnDate(db, date);
    if (existing && existing->text == text) return 0;
    if (existing) {
      db.Prepare("update note set body = ?2, modified = ?3 where date = ?1").Run({date, text, UtcStamp()});
    } else {
      db.Prepare("insert into note(date, uid, body, modified) values (?1, ?2, ?3, ?4)")
          .Run({date, NewNoteUid(), text, UtcStamp()});
    }
    return 0;
  });
}

bool UserStore::DeleteNote(const std::string& date) {
  if (!Exists(path)) return false;  // nothing to delete, and nothing to create
  return WriteStore(path, [&](CppSQLite3DB& db) {
    if (!NoteOnDate(db, date)) return false;
    db.Prepare("delete from note where date = ?1").Run({date});
    return true;
  });
}

NoteImportCounts UserStore::ImportNotes(const std::vector<UserNote>& notes) {
  return WriteStore(path, [&](CppSQLite3DB& db) {
    NoteImportCounts counts;
    CppSQLite3Statement byUid = db.Prepare("select date from note where uid = ?1", "note");
    CppSQLite3Statement remove = db.Prepare("delete from note where uid = ?1");
    CppSQLite3Statement insert = db.Prepare("insert into note(date, uid, body, modified) values (?1, ?2, ?3, ?4)");
    CppSQLite3Statement update = db.Prepare("update note set body = ?2, modified = ?3 where date = ?1");
    for (const UserNote& note : notes) {
      std::string const uid = note.uid.empty() ? NewNoteUid() : note.uid;
      std::string const modified = note.modified.empty() ? UtcStamp() : note.modified;
      bool moved = false;  // the same note, brought to another day
      {
        CppSQLite3Query row = byUid.Run({uid});
        if (!row.AtEnd() && row.ColumnText(0) != note.date) moved = true;
      }
      if (moved) remove.Run({uid}).Finalize();
      auto const existing = NoteOnDate(db, note.date);
      if (!existing) {
        insert.Run({note.date, uid, note.text, modified}).Finalize();
        ++(moved ? counts.replaced : counts.added);
      } else if (existing->uid == uid) {
        if (existing->text == note.text) {
          ++counts.unchanged;
        } else {
          update.Run({note.date, note.text, modified}).Finalize();
          ++counts.replaced;
        }
      } else if (existing->text.find(note.text) != std::string::npos) {
        ++counts.unchanged;  // one note a day: another note of that day holds this text already
      } else {
        update.Run({note.date, existing->text + "\n\n" + note.text, UtcStamp()}).Finalize();
        ++counts.merged;
      }
    }
    return counts;
  });
}

void UserStore::ReplaceHolidayYears(const HolidaySchedules& schedules, const std::string& source) {
  WriteStore(path, [&](CppSQLite3DB& db) {
    CppSQLite3Statement dropDays = db.Prepare("delete from holiday_day where year = ?1");
    CppSQLite3Statement dropYear = db.Prepare("delete from holiday_year where year = ?1");
    CppSQLite3Statement addYear = db.Prepare("insert into holiday_year(year, source, imported) values (?1, ?2, ?3)");
    CppSQLite3Statement addDay = db.Prepare("insert into holiday_day(date, year, kind, name) values (?1, ?2, ?3, ?4)");
    std::string const stamp = UtcStamp();
    for (const auto& [year, days] : schedules) {
      std::string const y = std::to_string(year);
      dropDays.Run({y}).Finalize();
      dropYear.Run({y}).Finalize();
      addYear.Run({y, source, stamp}).Finalize();
      for (const UserHoliday& day : days) {
        addDay.Run({day.date, y, day.kind == HolidayKind::Work ? "work" : "rest", day.name}).Finalize();
      }
    }
    return 0;
  });
}

bool UserStore::ForgetHolidayYear(int year) {
  if (!Exists(path)) return false;
  return WriteStore(path, [&](CppSQLite3DB& db) {
    std::string const y = std::to_string(year);
    bool const had = !db.Prepare("select 1 from holiday_year where year = ?1").Run({y}).AtEnd();
    db.Prepare("delete from holiday_day where year = ?1").Run({y});
    db.Prepare("delete from holiday_year where year = ?1").Run({y});
    return had;
  });
}

std::string NewNoteUid() {
  std::random_device random;
  std::string uid;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
    uid += part;
  }
  return uid + "@wannianli";
}

std::string UtcStamp() {
  std::time_t const now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
#if defined(_WIN32)
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char text[20];
  std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
  return text;
}
