// The user's store on real files: created on the first write only, WAL and its schema version, one note a
// day, imports merged by UID, holiday years replaced, a damaged file moved aside, a folder that cannot be
// written reported with nothing lost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"
#include "almanac/imported_holidays.h"
#include "almanac/user_store.h"
#include "message_of.h"
#include "scratch_db.h"

namespace {

using ::testing::HasSubstr;

void SetDataFolder(const std::string& folder) {
#if defined(_WIN32)
  _putenv_s("WANNIANLI_DATA_DIR", folder.c_str());
#else
  setenv("WANNIANLI_DATA_DIR", folder.c_str(), 1);
#endif
}

std::string Pragma(const std::string& path, const std::string& pragma) {
  CppSQLite3DB db(0);
  db.Open(path.c_str());
  return db.RunQuery(("pragma " + pragma).c_str()).ColumnText(0);
}

std::vector<std::string> Dates(const std::vector<UserNote>& notes) {
  std::vector<std::string> dates;
  for (const UserNote& note : notes) dates.push_back(note.date);
  return dates;
}

TEST(UserStore, ReadingCreatesNothingAndTheFirstWriteCreatesAVersionedWalStore) {
  ScratchDir dir;
  UserStore store(dir.File("data"));
  EXPECT_FALSE(store.NoteOn("2025-01-01"));
  EXPECT_TRUE(store.AllNotes().empty());
  EXPECT_TRUE(store.ImportedHolidays().empty());
  EXPECT_FALSE(store.DeleteNote("2025-01-01"));
  EXPECT_FALSE(store.ForgetHolidayYear(2025));
  EXPECT_FALSE(std::filesystem::exists(dir.File("data")));

  store.SaveNote("2025-01-01", "元旦\n休息");
  EXPECT_EQ(Pragma(store.Path(), "user_version"), std::to_string(kUserStoreSchemaVersion));
  EXPECT_EQ(Pragma(store.Path(), "journal_mode"), "wal");
  EXPECT_EQ(Pragma(store.Path(), "integrity_check"), "ok");
}

TEST(UserStore, OneNoteADaySavedChangedListedLatestFirstAndDeleted) {
  ScratchDir dir;
  UserStore store(dir.File("data"));
  store.SaveNote("2025-03-01", "first");
  store.SaveNote("2026-01-02", "second");
  auto const note = store.NoteOn("2025-03-01");
  ASSERT_TRUE(note);
  store.SaveNote("2025-03-01", "first, changed");
  EXPECT_EQ(store.NoteOn("2025-03-01")->text, "first, changed");
  EXPECT_EQ(store.NoteOn("2025-03-01")->uid, note->uid);  // the same note, kept through changes
  EXPECT_THAT(Dates(store.AllNotes()), ::testing::ElementsAre("2026-01-02", "2025-03-01"));

  EXPECT_TRUE(store.DeleteNote("2026-01-02"));
  store.SaveNote("2025-03-01", "");  // an emptied note goes
  EXPECT_TRUE(store.AllNotes().empty());
}

TEST(UserStore, ImportMergesByUidAndKeepsTheDaysOwnNote) {
  ScratchDir dir;
  UserStore store(dir.File("data"));
  store.SaveNote("2025-05-01", "mine");
  auto const counts = store.ImportNotes({{"2025-05-02", "a@x", "new", "20250101T000000Z"},
                                         {"2025-05-01", "b@x", "theirs", "20250101T000000Z"}});
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.merged, 1);
  EXPECT_EQ(store.NoteOn("2025-05-01")->text, "mine\n\ntheirs");

  // The same file again changes nothing; a changed event of a known UID replaces its note, on its new day.
  auto const again = store.ImportNotes({{"2025-05-02", "a@x", "new", "20250101T000000Z"},
                                        {"2025-05-01", "b@x", "theirs", "20250101T000000Z"}});
  EXPECT_EQ(again.unchanged, 2);
  auto const moved = store.ImportNotes({{"2025-05-03", "a@x", "newer", "20250102T000000Z"}});
  EXPECT_EQ(moved.replaced, 1);
  EXPECT_FALSE(store.NoteOn("2025-05-02"));
  EXPECT_EQ(store.NoteOn("2025-05-03")->modified, "20250102T000000Z");
}

TEST(UserStore, AnImportedYearReplacesYijiDbsScheduleUntilForgotten) {
  ScratchDir dir;
  SetDataFolder(dir.File("data"));
  UserStore store;
  store.ReplaceHolidayYears({{2027, {{"2027-02-06", HolidayKind::Rest, "春节"}, {"2027-02-07", HolidayKind::Rest, "春节"},
                                     {"2027-02-13", HolidayKind::Work, "春节"}}}},
                            "test.ics");
  EXPECT_TRUE(QueryRestDay({2027, 2, 7, 0, 0, 0}));
  EXPECT_TRUE(QueryWorkedDay({2027, 2, 13, 0, 0, 0}));
  std::string festival, picpath, holidays;
  EXPECT_TRUE(QueryFestivalDay({2027, 2, 7, 0, 0, 0}, festival, picpath, holidays));
  EXPECT_EQ(festival, "\xB4\xBA\xBD\xDA");  // 春节 in GBK, as yiji.db's rows
  EXPECT_EQ(holidays, "06,07");

  // A second import of the year replaces it whole.
  store.ReplaceHolidayYears({{2027, {{"2027-02-08", HolidayKind::Rest, "春节"}}}}, "test.ics");
  EXPECT_FALSE(QueryRestDay({2027, 2, 7, 0, 0, 0}));
  EXPECT_FALSE(QueryWorkedDay({2027, 2, 13, 0, 0, 0}));
  EXPECT_TRUE(store.ForgetHolidayYear(2027));
  EXPECT_FALSE(QueryRestDay({2027, 2, 8, 0, 0, 0}));
  SetDataFolder(dir.File("gone"));
}

TEST(UserStore, ADamagedStoreIsMovedAsideAndAFreshOneStarted) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.File("data"));
  std::string const garbage(8192, 'x');
  WriteBytes(dir.File("data/user.db"), garbage);
  UserStore store(dir.File("data"));
  EXPECT_TRUE(store.AllNotes().empty());  // read as empty, the damaged file moved aside
  store.SaveNote("2025-01-01", "after");
  EXPECT_EQ(store.NoteOn("2025-01-01")->text, "after");
  int aside = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.File("data"))) {
    if (entry.path().filename().string().rfind("user.db.corrupt-", 0) == 0) {
      ++aside;
      EXPECT_EQ(ReadBytes(entry.path().string()), garbage);  // never written over
    }
  }
  EXPECT_EQ(aside, 1);
}

TEST(UserStore, AStoreThatCannotBeWrittenThrowsAndANewerSchemaIsLeftAlone) {
  ScratchDir dir;
  WriteBytes(dir.File("file"), "a file where the folder would be");
  UserStore blocked(dir.File("file/data"));
  EXPECT_THAT(MessageOf([&] { blocked.SaveNote("2025-01-01", "text"); }), HasSubstr("file"));

  UserStore newer(dir.File("data"));
  newer.SaveNote("2025-01-01", "kept");
  RunSql(newer.Path(), "pragma user_version = 99");
  EXPECT_THAT(MessageOf([&] { newer.SaveNote("2025-01-01", "lost?"); }), HasSubstr("newer wannianli"));
  EXPECT_EQ(newer.NoteOn("2025-01-01")->text, "kept");
}

}  // namespace
