#include "almanac/note_index.h"

#include <iostream>
#include <set>

#include "almanac/almanac_batch.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/user_store.h"

void NoteIndex::Look() {
  std::uint64_t const batch = CurrentAlmanacBatch();
  if (looked && batch != 0 && batch == lookedInBatch) return;  // a refresh's 43 questions, one look
  UserStore store;
  auto const nowFile = platform::GetFileIdentity(store.Path());
  auto const nowLog = platform::GetFileIdentity(store.Path() + "-wal");
  lookedInBatch = batch;
  if (looked && path == store.Path() && file == nowFile && log == nowLog) return;
  try {
    std::map<std::string, std::string> lines;
    for (const UserNote& note : store.AllNotes()) lines.emplace(note.date, FirstLine(note.text));
    firstLines = std::move(lines);
    // Asked again after the read: a store moved aside or created by the read is seen as it is now.
    path = store.Path();
    file = platform::GetFileIdentity(path);
    log = platform::GetFileIdentity(path + "-wal");
    looked = true;
  } catch (const CppSQLite3Exception& error) {
    static std::set<std::string> reported;
    std::string const text = store.Path() + ": " + error.ErrorMessage();
    if (reported.insert(text).second) std::cerr << "wannianli: user store " << text << " (notes not marked)\n";
  }
}

std::optional<std::string> NoteIndex::FirstLineOn(const std::string& date) {
  Look();
  auto const it = firstLines.find(date);
  if (it == firstLines.end()) return std::nullopt;
  return it->second;
}

NoteIndex& WidgetNotes() {
  static NoteIndex notes;
  return notes;
}
