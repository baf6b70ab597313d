#pragma once
// The user's notes as the widget marks them: which days have one, and each one's first line. The store
// (almanac/user_store.h) is looked at once per batch of look-ups (almanac/almanac_batch.h: one stat of
// user.db and one of its log) and read again only when they changed, so the 42 cells of a refresh cost two
// stats; outside a batch every question looks. A store that cannot be read keeps what was read
// last and is said once on standard error. UI thread only.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/file_identity.h"

class NoteIndex {
 public:
  // The first line of the note of `date` ("YYYY-MM-DD"), or nothing. Looks at the store first.
  std::optional<std::string> FirstLineOn(const std::string& date);
  // Forgets what was read (after this program changed the store itself, within the same clock tick).
  void Forget() { looked = false; }

 private:
  bool looked = false;
  std::uint64_t lookedInBatch = 0;
  std::string path;
  std::optional<platform::FileIdentity> file, log;
  std::map<std::string, std::string> firstLines;

  void Look();
};

// The widget's one index.
NoteIndex& WidgetNotes();
